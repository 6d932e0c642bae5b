#pragma once
// Which inputs reach the task list: the files of a folder, the lines of a
// command-line list file, and what a named path is. Bytes as they are.
#include <string>
#include <vector>

// True when name matches one of the ';'-separated wildcard patterns
// ("*.avi;*.mpg;"): '*' any run of characters, '?' one character, letters
// A to Z compared without case. Empty patterns match nothing.
bool MatchesPatterns(const std::string& name, const std::string& patterns);

// The names of the files directly in folder that match patterns: sub-folders
// are not entered, hidden files (a name starting with '.') and anything that
// is not a regular file are left out. Sorted by name, letter case ignored.
// A folder that can't be read gives no names.
std::vector<std::string> ListSupportedFiles(const std::string& folder, const std::string& patterns);

// The lines of a list file's text, split at CR, LF or CR LF. A line end at
// the very end does not start another (empty) line.
std::vector<std::string> SplitLines(const std::string& text);

// True when the argument's extension, letters A to Z lowered, is ".tmp": the
// argument then names a list file of inputs.
bool IsListFileArgument(const std::string& argument);

// The inputs named on the command line: a list file's lines when the first
// argument names one (the other arguments are then ignored), else the
// arguments. ListFileError tells why a list file could not be read; there are
// then no candidates.
struct CommandLineCandidates {
    std::vector<std::string> Paths;
    std::string ListFile;        // the list file named, if any
    std::string ListFileError;   // empty when it was read
};
CommandLineCandidates ReadCommandLineCandidates(const std::vector<std::string>& arguments);

enum class PathKind { Missing, File, Folder, Other };
// What the path names now (symbolic links followed); an empty path is Missing.
PathKind KindOfPath(const std::string& path);
