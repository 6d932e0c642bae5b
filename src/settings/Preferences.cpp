#include "settings/Preferences.h"

#include "app/StartupValues.h"
#include "settings/IniFile.h"

namespace {

const std::string Main = "Main";

// One use of the file: open, read or write, write it all back. The reason of
// a failure is returned; what `use` read before it stays with the caller.
template <typename Use>
std::string UsePreferencesFile(const std::string& programFolder, Use use)
{
    try {
        TNewInifile ini(PreferencesPathOf(programFolder));
        use(ini);
        ini.SaveAndFree();
    } catch (const IniFileError& error) {
        return error.what();
    }
    return {};
}

PreferenceValues ReadSection(const std::string& programFolder, const std::string& section,
                             bool openDirFallback, std::string& problem)
{
    PreferenceValues values;
    values.OutputPath = programFolder;
    values.AutoOpenDir = openDirFallback;
    problem = UsePreferencesFile(programFolder, [&](TNewInifile& ini) {
        values.OutputPath = ini.ReadString(section, "Output Path", programFolder);
        values.SynMode = ini.ReadInteger(section, "Syn Mode", 0);
        values.AutoOpenDir = ini.ReadBool(section, "Auto Open Dir", openDirFallback);
        values.AutoExit = ini.ReadBool(section, "Auto Exit", false);
        values.AutoTurnOff = ini.ReadBool(section, "Auto Turn Off", false);
        values.Overwrite = ini.ReadBool(section, "Overwrite", true);
    });
    return values;
}

void WriteValues(TNewInifile& ini, const PreferenceValues& values)
{
    ini.WriteString(Main, "Output Path", values.OutputPath);
    ini.WriteInteger(Main, "Syn Mode", values.SynMode);
    ini.WriteBool(Main, "Auto Open Dir", values.AutoOpenDir);
    ini.WriteBool(Main, "Auto Exit", values.AutoExit);
    ini.WriteBool(Main, "Auto Turn Off", values.AutoTurnOff);
    ini.WriteBool(Main, "Overwrite", values.Overwrite);
}

} // namespace

PreferenceValues ReadMainPreferences(const std::string& programFolder, std::string& problem)
{
    return ReadSection(programFolder, Main, true, problem);
}

PreferenceValues ReadDefaultPreferences(const std::string& programFolder, std::string& problem)
{
    return ReadSection(programFolder, "Default", false, problem);
}

std::string ReadVersionText(const std::string& programFolder, std::string& problem)
{
    std::string version = "3.0";
    problem = UsePreferencesFile(programFolder,
                                 [&](TNewInifile& ini) { version = ini.ReadString(Main, "Version", version); });
    return version;
}

ShownPreferences ReadShownPreferences(const std::string& programFolder, bool readProfile,
                                      std::string& problem)
{
    ShownPreferences shown;
    shown.OutputPath = programFolder;
    problem = UsePreferencesFile(programFolder, [&](TNewInifile& ini) {
        shown.OutputPath = ini.ReadString(Main, "Output Path", programFolder);
        if (readProfile)
            shown.Profile = ini.ReadInteger(Main, "Profile", 0);
    });
    return shown;
}

std::string WriteDialogPreferences(const std::string& programFolder, const PreferenceValues& values)
{
    return UsePreferencesFile(programFolder, [&](TNewInifile& ini) { WriteValues(ini, values); });
}

std::string WriteClosingPreferences(const std::string& programFolder, int profile,
                                    const PreferenceValues& values)
{
    return UsePreferencesFile(programFolder, [&](TNewInifile& ini) {
        ini.WriteInteger(Main, "Profile", profile);
        WriteValues(ini, values);
    });
}
