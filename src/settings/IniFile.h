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
    // A key found at the start of its line has that line replaced; a key found
    // only inside another line (the end of a longer key, or inside a value)
    // gets a new line below the header instead, so no other entry is lost.
    // Throws IniFileError when a text holds CR, LF or NUL, which the file
    // can't keep.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    void WriteInteger(const std::string& section, const std::string& key, int value);
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // Writes every line followed by CR LF to a temporary file beside the target
    // and renames it over the target, so a crash never leaves half a file.
    // Throws IniFileError when the file can't be written (the old file is
    // then left as it was). The lines stay in the object.
    void SaveAndFree();

    const std::string& FileName() const { return FileName_; }
    const std::vector<std::string>& Lines() const { return Lines_; }

private:
    // Where a section's body lies: body line 0 is the rest of the header line
    // from HeaderEnd; body line k >= 1 is Lines_[Header + k]. Count stops at
    // the line holding the next '['.
    struct SectionBody {
        int Header = -1;
        std::size_t HeaderEnd = 0;
        std::vector<std::string> BodyLines;
    };
    struct KeyMatch {
        int BodyLine = -1;
        std::size_t Position = 0;
    };

    SectionBody Body(const std::string& section) const;
    KeyMatch Match(const SectionBody& body, const std::string& key) const;
    int FindSection(const std::string& section) const;

    std::string FileName_;
    std::vector<std::string> Lines_;
};
