#pragma once
// The values fixed at start-up by which the program finds its own files and
// recognises its inputs.
#include <string>
#include <vector>

// ".avi", ".mpg", ".mpeg", ".mp4", ".wmv", ".mov", ".vob", ".asf".
std::vector<std::string> BuildInputExtensions();
// "*.avi;*.mpg;...;*.asf;" — every pattern followed by ';'.
std::string BuildSupportedPatterns(const std::vector<std::string>& extensions);
// The open dialog's filter: description|pattern| pairs, the first entry
// listing all patterns, "All Files (*.*)|*.*" last.
std::string BuildOpenDialogFilter(const std::vector<std::string>& extensions,
                                  const std::string& supportedPatterns);
// The same filter in the "Description (p1 p2);;..." form Qt's file dialogs read;
// each entry keeps its description text as given.
std::string ToQtFilter(const std::string& pipeFilter);

// The executable's folder with one trailing separator.
std::string ProgramFolderOf(const std::string& executablePath);
std::string EncoderPathOf(const std::string& programFolder);
std::string PreferencesPathOf(const std::string& programFolder);
