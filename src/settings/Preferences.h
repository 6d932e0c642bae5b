#pragma once
// The user's preferences in "Preferences.ini": which keys, their fallbacks,
// and the moments the program reads or writes them. Every use opens the file,
// reads or writes in a fixed order and writes the whole file back.
//
// A file that can't be read or written never stops the program: each routine
// returns the reason (empty when all went well) and the caller tells the user.
// Values read before a failed write-back are kept.
#include <string>

// The six preferences of the settings dialog's General page.
struct PreferenceValues {
    std::string OutputPath;
    int SynMode = 0;   // position in the mode list; -1 when none is chosen
    bool AutoOpenDir = true;
    bool AutoExit = false;
    bool AutoTurnOff = false;
    bool Overwrite = true;
};

// Section "Main" with its fallbacks (the folder, 0, open the folder, no exit,
// no power-off, overwrite); read when the settings dialog is created.
PreferenceValues ReadMainPreferences(const std::string& programFolder, std::string& problem);

// Section "Default", the values of "Load Default"; its fallbacks differ from
// "Main" in not opening the output folder.
PreferenceValues ReadDefaultPreferences(const std::string& programFolder, std::string& problem);

// "Version" of "Main" (fallback "3.0"), read once at start-up.
std::string ReadVersionText(const std::string& programFolder, std::string& problem);

// What the main window restores when it is shown.
struct ShownPreferences {
    std::string OutputPath;
    int Profile = 0;   // position in the profile selector
};
// Reads "Output Path" and, only when readProfile, "Profile".
ShownPreferences ReadShownPreferences(const std::string& programFolder, bool readProfile,
                                      std::string& problem);

// The settings dialog's OK: the six values into "Main", the output path first.
std::string WriteDialogPreferences(const std::string& programFolder, const PreferenceValues& values);

// The save at close: "Profile", then the six values into "Main" (the caller
// gives the main window's output folder). A section written for the first
// time lists the keys in reverse order below its header.
std::string WriteClosingPreferences(const std::string& programFolder, int profile,
                                    const PreferenceValues& values);
