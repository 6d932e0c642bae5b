#pragma once
// The program's own INI reader and writer. It keeps the file as lines in
// memory, matches sections and keys as case-insensitive substrings (A to Z
// only, no trimming), and writes the whole file back with CR LF line ends.
#include <stdexcept>
#include <string>
#include <vector>

class IniFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TNewInifile {
public:
    // Loads the lines of fileName when it names an existing file (a folder or
    // a missing file gives no lines). Throws IniFileError when it can't be read.
    explicit TNewInifile(std::string fileName);

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    void WriteInteger(const std::string& section, const std::string& key, int value);
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // Writes every line followed by CR LF to a temporary file beside the target
    // and renames it over the target, so a crash never leaves half a file.
    // Throws IniFileError when the file can't be written.
    void SaveAndFree();

    const std::string& FileName() const { return FileName_; }
    const std::vector<std::string>& Lines() const { return Lines_; }

private:
    std::string SectionText(const std::string& section) const;
    int FindSection(const std::string& section) const;
    int FindKey(const std::string& section, const std::string& key) const;

    std::string FileName_;
    std::vector<std::string> Lines_;
};
