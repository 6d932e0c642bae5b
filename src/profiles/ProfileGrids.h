#pragma once
// Loading a profile's parameters into a window's three parameter grids, and
// reading back the text a grid shows for a parameter.
#include <QString>
#include <string>

class ValueListGrid;

struct ParameterGrids {
    ValueListGrid* Video = nullptr;
    ValueListGrid* Audio = nullptr;
    ValueListGrid* Advanced = nullptr;

    // The grid of a group (1 video, 2 audio, 3 advanced), or nullptr.
    ValueListGrid* forGroup(int group) const;
    // The text shown in the row keyed by name in the grid of the group ("" when none).
    std::string shownValue(int group, const std::string& name) const;
};

struct ProfileLoadResult {
    bool Loaded = false;      // false: the file does not exist, nothing changed
    std::string Type;         // the profile's "Type" (read only when asked)
    std::string Defect;       // not empty: loading stopped at a defective parameter
};

// Removes every row (last first), then appends one row per parameter into the
// grid of its group, and sets each grid's height to its rows x 18 pixels.
// readType: read "Type" of "Main" (the main window's load). Unreadable files
// throw IniFileError.
ProfileLoadResult LoadProfileIntoGrids(const ParameterGrids& grids, const std::string& profileFile, bool readType);
