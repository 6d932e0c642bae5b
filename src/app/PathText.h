#pragma once
// Plain text helpers for paths and names (bytes as they are, UTF-8 on Linux).
#include <string>
#include <vector>

// The native separator '/'.
constexpr char PathSeparator = '/';

// The path ending in one separator (unchanged when it already ends in one;
// an empty text stays empty).
std::string AddTrailingBackslash(const std::string& path);
// The name without its last extension (the part ExtractFileExt takes), so
// RemoveExtension(n) + ExtractFileExt(n) == n; a name without '.' is returned whole.
std::string RemoveExtension(const std::string& name);
// The extension from the last '.' to the end, dot included; empty when there
// is no dot or a separator or ':' follows the last dot.
std::string ExtractFileExt(const std::string& name);
// The part after the last separator.
std::string ExtractFileName(const std::string& path);
// The part up to and including the last separator.
std::string ExtractFilePath(const std::string& path);
// Letters A to Z lowered; other bytes unchanged.
char LowerAsciiChar(char c);
std::string LowerAscii(std::string text);
// Name order without regard to A-to-Z case; names that differ only in case
// are ordered by their bytes, so the order never depends on the file system.
bool LessNoCase(const std::string& a, const std::string& b);
// Index of needle in haystack comparing A to Z without case, or npos.
std::size_t FindNoCase(const std::string& haystack, const std::string& needle, std::size_t from = 0);
bool EqualsNoCase(const std::string& a, const std::string& b);
// True when the extension of name, letters A to Z lowered, is one of
// extensions (given lower case with their dot). No extension never matches.
bool IsSupportedFile(const std::string& name, const std::vector<std::string>& extensions);
