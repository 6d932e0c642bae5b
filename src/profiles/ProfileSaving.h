#pragma once
// Storing the values a window's grids show back into a profile file as its new
// defaults, and saving a profile under another name.
#include <functional>
#include <optional>
#include <string>
#include <vector>

// What a grid shows for one parameter: its text and its row's drop-down list.
struct ShownRow {
    std::string Value;
    std::vector<std::string> PickList;
};
// The row of parameter `name` in the grid of `group`; nothing when there is none.
using ShownRowLookup = std::function<std::optional<ShownRow>(int group, const std::string& name)>;

// Position of the first entry equal to value (A to Z without case), or -1.
int PickListPosition(const std::vector<std::string>& pickList, const std::string& value);

// Writes the shown values as the profile's defaults: a choice gets "Index" (the
// position of its shown text in its row's list, -1 when none), a free parameter
// its text as "Caption" and "Value". Read-only parameters, and parameters the
// grids have no row for, are left alone; every other key stays as it was.
// Returns why nothing could be written (a text the file can't keep, an
// unreadable or unwritable file), or an empty text on success.
std::string SaveShownValuesToProfile(const std::string& file, const ShownRowLookup& shown);

// Copies source over target, then writes the shown values into the copy. The
// target is replaced whole or not at all, and a failed copy writes nothing.
// A missing source does nothing. Returns the reason of a failure, or empty.
std::string SaveProfileAs(const std::string& source, const std::string& target, const ShownRowLookup& shown);

// Whether the file is there to be read as a profile (a folder is not).
bool ProfileFileExists(const std::string& file);
