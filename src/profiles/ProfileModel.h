#pragma once
// Output profiles: INI files "<name>.apf" in the "Profiles" folder. A profile
// is its output type and its parameters in order; each parameter is a choice
// (picked from a list), fixed (set by the profile) or free (typed).
#include <stdexcept>
#include <string>
#include <vector>

class TNewInifile;

// A profile that breaks its own rules (an "Index" outside the choices, fewer
// encoder values than choices). The message says which parameter.
class ProfileDefect : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class ParameterKind { Choice, Fixed, Free };

// Groups: which grid a parameter belongs to.
constexpr int GroupVideo = 1;
constexpr int GroupAudio = 2;
constexpr int GroupAdvanced = 3;

struct ProfileParameter {
    std::string Name;
    int Sort = -1;          // group after the group rule: 1, 2 or 3
    bool ReadOnly = false;
    std::string cmd;
    bool List = true;
    std::string Caption;
    std::string Value;
    int Index = 0;

    ParameterKind Kind() const;
    std::vector<std::string> Choices() const;        // SplitCommaList(Caption)
    std::vector<std::string> EncoderValues() const;  // SplitCommaList(Value)
};

struct Profile {
    std::string Type = "mp4";
    std::vector<ProfileParameter> Parameters;
};

// Entries that end with ','; the text after the last comma is not an entry.
std::vector<std::string> SplitCommaList(const std::string& text);

// Names (no folder) of the files in folder whose extension equals extension
// (compared without letter case), hidden files included, folders excluded,
// sorted by name without regard to letter case (stable between runs).
std::vector<std::string> ListFilesByExtension(const std::string& folder, const std::string& extension);

// The profiles folder of a program folder: ProgramFolder + "Profiles/".
std::string ProfilesFolder(const std::string& programFolder);

// One listed profile: its display name and the file name it was found with.
struct ProfileEntry {
    std::string DisplayName;
    std::string FileName;  // as found, e.g. "x.APF"
};
std::vector<ProfileEntry> ListProfiles(const std::string& programFolder);

// The file of a display name: the listed file when the name is one of
// entries (so "x.APF" stays "x.APF"), else Profiles/<name>.apf.
std::string ProfileFileOf(const std::string& programFolder, const std::vector<ProfileEntry>& entries,
                          const std::string& displayName);

// Whether sort names a group (1, 2 or 3).
bool IsGroup(int sort);

// One parameter's own section as stored: Sort as read, no group rule.
ProfileParameter ReadProfileParameter(const TNewInifile& ini, const std::string& name);

// Reads the parameters with the group rule (a first parameter without a valid
// group is skipped). Reads "Type" too. Throws IniFileError when unreadable.
// A missing file gives an empty profile; callers test existence first.
Profile ReadProfile(const std::string& file);

// The value that goes behind the switch, given the text shown in the grid.
// Throws ProfileDefect when a shown choice has no paired encoder value.
std::string EncoderValue(const ProfileParameter& parameter, const std::string& shown);
