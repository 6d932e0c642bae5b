#include "profiles/ProfileModel.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/PathText.h"
#include "settings/IniFile.h"

namespace fs = std::filesystem;

ParameterKind ProfileParameter::Kind() const
{
    if (List)
        return ParameterKind::Choice;
    return ReadOnly ? ParameterKind::Fixed : ParameterKind::Free;
}

std::vector<std::string> ProfileParameter::Choices() const { return SplitCommaList(Caption); }

std::vector<std::string> ProfileParameter::EncoderValues() const { return SplitCommaList(Value); }

std::vector<std::string> SplitCommaList(const std::string& text)
{
    std::vector<std::string> entries;
    std::size_t start = 0;
    for (std::size_t comma = text.find(','); comma != std::string::npos; comma = text.find(',', start)) {
        entries.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return entries;
}

std::vector<std::string> ListFilesByExtension(const std::string& folder, const std::string& extension)
{
    const std::string wanted = LowerAscii(extension);
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(AddTrailingBackslash(folder), error);
    // A missing or unreadable folder simply holds no profiles.
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            continue;
        std::string name = it->path().filename().string();
        if (LowerAscii(ExtractFileExt(name)) == wanted)
            names.push_back(std::move(name));
    }
    // The preferences keep the chosen profile by its position, so the order
    // must not depend on the file system.
    std::sort(names.begin(), names.end(), LessNoCase);
    return names;
}

std::string ProfilesFolder(const std::string& programFolder)
{
    return AddTrailingBackslash(programFolder) + "Profiles" + PathSeparator;
}

std::vector<ProfileEntry> ListProfiles(const std::string& programFolder)
{
    std::vector<ProfileEntry> entries;
    for (const std::string& name : ListFilesByExtension(ProfilesFolder(programFolder), ".apf"))
        entries.push_back({RemoveExtension(name), name});
    return entries;
}

std::string ProfileFileOf(const std::string& programFolder, const std::vector<ProfileEntry>& entries,
                          const std::string& displayName)
{
    for (const ProfileEntry& entry : entries) {
        if (entry.DisplayName == displayName)
            return ProfilesFolder(programFolder) + entry.FileName;
    }
    return ProfilesFolder(programFolder) + displayName + ".apf";
}

bool IsGroup(int sort)
{
    return sort >= GroupVideo && sort <= GroupAdvanced;
}

ProfileParameter ReadProfileParameter(const TNewInifile& ini, const std::string& name)
{
    ProfileParameter parameter;
    parameter.Name = name;
    parameter.Sort = ini.ReadInteger(name, "Sort", -1);
    parameter.ReadOnly = ini.ReadBool(name, "ReadOnly", false);
    parameter.cmd = ini.ReadString(name, "cmd", "");
    parameter.List = ini.ReadBool(name, "List", true);
    parameter.Caption = ini.ReadString(name, "Caption", "");
    parameter.Value = ini.ReadString(name, "Value", "");
    parameter.Index = ini.ReadInteger(name, "Index", 0);
    return parameter;
}

Profile ReadProfile(const std::string& file)
{
    const TNewInifile ini(file);
    Profile profile;
    profile.Type = ini.ReadString("Main", "Type", "mp4");
    const int count = ini.ReadInteger("Main", "Para", 0);
    int group = -1;
    for (int n = 0; n < count; ++n) {
        ProfileParameter parameter = ReadProfileParameter(ini, ini.ReadString("Main", std::to_string(n), ""));
        if (IsGroup(parameter.Sort))
            group = parameter.Sort;
        // Until some parameter names a group there is none to join.
        if (!IsGroup(group))
            continue;
        parameter.Sort = group;
        profile.Parameters.push_back(std::move(parameter));
    }
    return profile;
}

std::string EncoderValue(const ProfileParameter& parameter, const std::string& shown)
{
    switch (parameter.Kind()) {
    case ParameterKind::Fixed:
        return parameter.Value;
    case ParameterKind::Free:
        return shown;
    case ParameterKind::Choice:
        break;
    }
    const std::vector<std::string> choices = parameter.Choices();
    const auto match = std::find_if(choices.begin(), choices.end(),
                                    [&](const std::string& choice) { return EqualsNoCase(choice, shown); });
    // A typed value such as a custom size is not among the choices and goes as it is.
    if (match == choices.end())
        return shown;
    const std::size_t position = static_cast<std::size_t>(match - choices.begin());
    const std::vector<std::string> values = parameter.EncoderValues();
    if (position >= values.size()) {
        throw ProfileDefect("Profile parameter \"" + parameter.Name + "\": the choice \"" + *match +
                            "\" has no encoder value (" + std::to_string(choices.size()) + " choices, " +
                            std::to_string(values.size()) + " encoder values)");
    }
    return values[position];
}
