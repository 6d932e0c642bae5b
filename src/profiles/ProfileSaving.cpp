#include "profiles/ProfileSaving.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/PathText.h"
#include "profiles/ProfileModel.h"
#include "settings/IniFile.h"

namespace fs = std::filesystem;

namespace {

struct Entry {
    std::string Section;
    std::string Key;
    std::string Value;
};

// The new defaults, before anything is written.
std::vector<Entry> EntriesToWrite(const Profile& profile, const ShownRowLookup& shown)
{
    std::vector<Entry> entries;
    for (const ProfileParameter& parameter : profile.Parameters) {
        if (parameter.ReadOnly)
            continue;
        const std::optional<ShownRow> row = shown(parameter.Sort, parameter.Name);
        // A load that stopped early has no row for this parameter: keep its stored default.
        if (!row)
            continue;
        if (parameter.List) {
            entries.push_back({parameter.Name, "Index", std::to_string(PickListPosition(row->PickList, row->Value))});
        } else {
            entries.push_back({parameter.Name, "Caption", row->Value});
            entries.push_back({parameter.Name, "Value", row->Value});
        }
    }
    return entries;
}

// A "[" would end the parameter's section early and lose the keys after it.
std::string UnstorableEntry(const std::vector<Entry>& entries)
{
    for (const Entry& entry : entries) {
        if (entry.Value.find('[') != std::string::npos)
            return "The value \"" + entry.Value + "\" of \"" + entry.Section +
                   "\" holds a \"[\", which a profile can't keep.";
    }
    return {};
}

std::string CopyReplacing(const std::string& source, const std::string& target)
{
    std::error_code error;
    // Saving a profile onto itself needs no copy.
    if (fs::equivalent(source, target, error))
        return {};
    const fs::path to(target);
    const fs::path temporary =
        to.parent_path() / ("." + to.filename().string() + ".copy-" + std::to_string(::getpid()));
    error.clear();
    fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, error);
    if (!error)
        fs::rename(temporary, to, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return "Can't copy \"" + source + "\" to \"" + target + "\": " + error.message();
    }
    return {};
}

} // namespace

int PickListPosition(const std::vector<std::string>& pickList, const std::string& value)
{
    const auto match = std::find_if(pickList.begin(), pickList.end(),
                                    [&](const std::string& entry) { return EqualsNoCase(entry, value); });
    return match == pickList.end() ? -1 : static_cast<int>(match - pickList.begin());
}

std::string SaveShownValuesToProfile(const std::string& file, const ShownRowLookup& shown)
{
    try {
        const std::vector<Entry> entries = EntriesToWrite(ReadProfile(file), shown);
        if (std::string problem = UnstorableEntry(entries); !problem.empty())
            return problem;
        TNewInifile ini(file);
        for (const Entry& entry : entries)
            ini.WriteString(entry.Section, entry.Key, entry.Value);
        ini.SaveAndFree();
    } catch (const IniFileError& error) {
        return error.what();
    }
    return {};
}

std::string SaveProfileAs(const std::string& source, const std::string& target, const ShownRowLookup& shown)
{
    if (!ProfileFileExists(source))
        return {};
    if (std::string problem = CopyReplacing(source, target); !problem.empty())
        return problem;
    return SaveShownValuesToProfile(target, shown);
}

bool ProfileFileExists(const std::string& file)
{
    std::error_code error;
    return fs::exists(file, error) && !fs::is_directory(file, error);
}
