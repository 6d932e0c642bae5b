#include "app/PathText.h"

#include <algorithm>

std::string AddTrailingBackslash(const std::string& path)
{
    if (path.empty() || path.back() == PathSeparator)
        return path;
    return path + PathSeparator;
}

std::string ExtractFileExt(const std::string& name)
{
    const std::size_t last = name.find_last_of(std::string{'.', PathSeparator, ':'});
    if (last == std::string::npos || name[last] != '.')
        return {};
    return name.substr(last);
}

std::string RemoveExtension(const std::string& name)
{
    // Cut exactly what ExtractFileExt takes, so name and extension always
    // put back together to the whole text (a dot in a folder name is kept).
    return name.substr(0, name.size() - ExtractFileExt(name).size());
}

std::string ExtractFileName(const std::string& path)
{
    const std::size_t last = path.rfind(PathSeparator);
    return last == std::string::npos ? path : path.substr(last + 1);
}

std::string ExtractFilePath(const std::string& path)
{
    const std::size_t last = path.rfind(PathSeparator);
    return last == std::string::npos ? std::string{} : path.substr(0, last + 1);
}

char LowerAsciiChar(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), LowerAsciiChar);
    return text;
}

bool LessNoCase(const std::string& a, const std::string& b)
{
    const std::string la = LowerAscii(a), lb = LowerAscii(b);
    return la != lb ? la < lb : a < b;
}

std::size_t FindNoCase(const std::string& haystack, const std::string& needle, std::size_t from)
{
    if (from > haystack.size())
        return std::string::npos;
    const auto equal = [](char a, char b) { return LowerAsciiChar(a) == LowerAsciiChar(b); };
    const auto begin = haystack.begin() + static_cast<std::ptrdiff_t>(from);
    const auto found = std::search(begin, haystack.end(), needle.begin(), needle.end(), equal);
    if (found == haystack.end() && !needle.empty())
        return std::string::npos;
    return static_cast<std::size_t>(found - haystack.begin());
}

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && FindNoCase(a, b) == 0;
}

bool IsSupportedFile(const std::string& name, const std::vector<std::string>& extensions)
{
    const std::string extension = LowerAscii(ExtractFileExt(name));
    if (extension.empty())
        return false;
    return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}
