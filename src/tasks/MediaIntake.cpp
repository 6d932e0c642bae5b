#include "tasks/MediaIntake.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "app/PathText.h"

namespace fs = std::filesystem;

namespace {

// Greedy wildcard match with one backtrack point: the last '*' seen.
bool MatchesWildcard(const std::string& name, const std::string& pattern)
{
    std::size_t n = 0, p = 0;
    std::size_t starAt = std::string::npos, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || LowerAsciiChar(pattern[p]) == LowerAsciiChar(name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::string::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

// Reads the whole file; an error text when that fails.
std::string ReadWholeFile(const std::string& path, std::string& error)
{
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = "It is a folder, not a list of files.";
        return {};
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = std::strerror(errno);
        return {};
    }
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        error = "It could not be read to its end.";
    return text;
}

}  // namespace

bool MatchesPatterns(const std::string& name, const std::string& patterns)
{
    std::size_t start = 0;
    while (start <= patterns.size()) {
        std::size_t end = patterns.find(';', start);
        if (end == std::string::npos)
            end = patterns.size();
        const std::string pattern = patterns.substr(start, end - start);
        if (!pattern.empty() && MatchesWildcard(name, pattern))
            return true;
        start = end + 1;
    }
    return false;
}

std::vector<std::string> ListSupportedFiles(const std::string& folder, const std::string& patterns)
{
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator entries(folder, ec);
    if (ec)
        return names;
    for (auto it = entries; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (name.empty() || name[0] == '.' || !it->is_regular_file(typeError))
            continue;
        if (MatchesPatterns(name, patterns))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), LessNoCase);
    return names;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

bool IsListFileArgument(const std::string& argument)
{
    return LowerAscii(ExtractFileExt(argument)) == ".tmp";
}

CommandLineCandidates ReadCommandLineCandidates(const std::vector<std::string>& arguments)
{
    CommandLineCandidates result;
    if (arguments.empty() || !IsListFileArgument(arguments.front())) {
        result.Paths = arguments;
        return result;
    }
    result.ListFile = arguments.front();
    const std::string text = ReadWholeFile(result.ListFile, result.ListFileError);
    if (result.ListFileError.empty())
        result.Paths = SplitLines(text);
    return result;
}

PathKind KindOfPath(const std::string& path)
{
    if (path.empty())
        return PathKind::Missing;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status))
        return PathKind::Missing;
    if (fs::is_directory(status))
        return PathKind::Folder;
    return fs::is_regular_file(status) ? PathKind::File : PathKind::Other;
}
