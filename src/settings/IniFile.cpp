#include "settings/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/PathText.h"
#include "settings/NumberText.h"

namespace {

const char* const LineEnd = "\r\n";

IniFileError SystemError(const char* action, const std::string& path, int error)
{
    return IniFileError(std::string("Can't ") + action + " \"" + path
                        + "\": " + std::system_category().message(error));
}

// Lines end at CR LF, a lone LF or a lone CR; a NUL ends the text. A break
// at the very end does not start another line.
std::vector<std::string> SplitLines(const std::string& text)
{
    const std::size_t end = std::min(text.find('\0'), text.size());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < end) {
        std::size_t brk = text.find_first_of("\r\n", start);
        if (brk == std::string::npos || brk > end)
            brk = end;
        lines.push_back(text.substr(start, brk - start));
        if (brk < end && text[brk] == '\r' && brk + 1 < end && text[brk + 1] == '\n')
            ++brk;
        start = brk + 1;
    }
    return lines;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now so that a failing close (a full disk on some file systems)
    // is seen; returns 0 or the error number.
    int Close()
    {
        const int result = ::close(std::exchange(fd_, -1));
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

std::string ReadWholeFile(const std::string& path)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0)
        throw SystemError("read", path, errno);
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw SystemError("read", path, errno);
        if (count == 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(count));
    }
}

// 0 or the error number.
int WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t count = ::write(fd, text.data() + done, text.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        done += static_cast<std::size_t>(count);
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// The file that is really replaced: a symbolic link keeps pointing at the
// file it named, which gets the new content.
std::string ResolvedTarget(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(path, error);
    return error ? path : resolved.string();
}

void SyncFolder(const std::string& folder)
{
    FileDescriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

void CheckStorable(const std::string& fileName, const std::string& text)
{
    if (text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        throw IniFileError("Can't store a line break or NUL character in \"" + fileName + "\"");
}

} // namespace

TNewInifile::TNewInifile(std::string fileName) : FileName_(std::move(fileName))
{
    struct stat status {};
    if (::stat(FileName_.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return;
        throw SystemError("read", FileName_, errno);
    }
    if (S_ISDIR(status.st_mode))
        return;
    if (!S_ISREG(status.st_mode))
        throw IniFileError("Can't read \"" + FileName_ + "\": not a regular file");
    Lines_ = SplitLines(ReadWholeFile(FileName_));
}

int TNewInifile::FindSection(const std::string& section) const
{
    const std::string header = "[" + section + "]";
    for (std::size_t i = 0; i < Lines_.size(); ++i)
        if (FindNoCase(Lines_[i], header) != std::string::npos)
            return static_cast<int>(i);
    return -1;
}

TNewInifile::SectionBody TNewInifile::Body(const std::string& section) const
{
    SectionBody body;
    body.Header = FindSection(section);
    if (body.Header < 0)
        return body;
    const std::string& headerLine = Lines_[static_cast<std::size_t>(body.Header)];
    body.HeaderEnd = FindNoCase(headerLine, "[" + section + "]") + section.size() + 2;
    // The body runs up to the next '[' anywhere after the header.
    for (std::size_t i = static_cast<std::size_t>(body.Header); i < Lines_.size(); ++i) {
        const std::size_t from = i == static_cast<std::size_t>(body.Header) ? body.HeaderEnd : 0;
        const std::size_t bracket = Lines_[i].find('[', from);
        body.BodyLines.push_back(Lines_[i].substr(from, bracket == std::string::npos ? std::string::npos : bracket - from));
        if (bracket != std::string::npos)
            break;
    }
    return body;
}

TNewInifile::KeyMatch TNewInifile::Match(const SectionBody& body, const std::string& key) const
{
    const std::string entry = key + "=";
    for (std::size_t k = 0; k < body.BodyLines.size(); ++k) {
        const std::size_t position = FindNoCase(body.BodyLines[k], entry);
        if (position != std::string::npos)
            return {static_cast<int>(k), position};
    }
    return {};
}

std::string TNewInifile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const
{
    const SectionBody body = Body(section);
    const KeyMatch match = Match(body, key);
    if (match.BodyLine < 0)
        return defaultValue;
    return body.BodyLines[static_cast<std::size_t>(match.BodyLine)].substr(match.Position + key.size() + 1);
}

void TNewInifile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    CheckStorable(FileName_, section);
    CheckStorable(FileName_, key);
    CheckStorable(FileName_, value);
    const std::string line = key + "=" + value;
    const SectionBody body = Body(section);
    if (body.Header < 0) {
        Lines_.push_back("[" + section + "]");
        Lines_.push_back(line);
        return;
    }
    const auto header = static_cast<std::size_t>(body.Header);
    KeyMatch match = Match(body, key);
    if (match.BodyLine == 0) {
        // An entry on the header line itself: give it a line of its own so
        // that rewriting it can't take the header with it.
        std::string rest = Lines_[header].substr(body.HeaderEnd);
        Lines_[header].erase(body.HeaderEnd);
        Lines_.insert(Lines_.begin() + body.Header + 1, std::move(rest));
        match.BodyLine = 1;
    }
    if (match.BodyLine > 0 && match.Position == 0)
        Lines_[header + static_cast<std::size_t>(match.BodyLine)] = line;
    else
        Lines_.insert(Lines_.begin() + body.Header + 1, line);
}

int TNewInifile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const
{
    return ParseInteger32(ReadString(section, key, std::to_string(defaultValue))).value_or(defaultValue);
}

void TNewInifile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    WriteString(section, key, std::to_string(value));
}

bool TNewInifile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const
{
    const std::string text = ReadString(section, key, defaultValue ? "-1" : "0");
    if (const auto number = ParseCNumber(text))
        return *number != 0;
    if (EqualsNoCase(text, "True"))
        return true;
    if (EqualsNoCase(text, "False"))
        return false;
    return defaultValue;
}

void TNewInifile::WriteBool(const std::string& section, const std::string& key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void TNewInifile::SaveAndFree()
{
    std::string content;
    for (const std::string& line : Lines_)
        content += line + LineEnd;

    struct stat status {};
    const bool existed = ::stat(FileName_.c_str(), &status) == 0;
    if (!existed && errno != ENOENT)
        throw SystemError("write", FileName_, errno);
    if (existed) {
        if (S_ISDIR(status.st_mode))
            throw SystemError("write", FileName_, EISDIR);
        if (!S_ISREG(status.st_mode))
            throw IniFileError("Can't write \"" + FileName_ + "\": not a regular file");
        // A file the user made read-only stays unchanged, as if it had been
        // opened for writing in place.
        if (::faccessat(AT_FDCWD, FileName_.c_str(), W_OK, AT_EACCESS) != 0)
            throw SystemError("write", FileName_, errno);
    }
    const std::string target = existed ? ResolvedTarget(FileName_) : FileName_;
    const std::string folder = ExtractFilePath(target);
    const std::string stem = folder + "." + ExtractFileName(target).substr(0, 200) + ".tmp-"
                             + std::to_string(::getpid()) + "-";

    static std::atomic<unsigned> counter = 0;
    std::string temporary;
    int fd = -1;
    while (fd < 0) {
        temporary = stem + std::to_string(counter++);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            throw SystemError("write", FileName_, errno);
    }
    FileDescriptor file(fd);
    if (existed) {
        // Keep the owner where allowed and the permissions of the old file.
        if (::fchown(fd, status.st_uid, status.st_gid) != 0) {
            // Not ours to give away: the new file stays ours.
        }
        ::fchmod(fd, status.st_mode & 07777);
    }
    int error = WriteAll(fd, content);
    const int closeError = file.Close();
    if (error == 0)
        error = closeError;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        throw SystemError("write", FileName_, error);
    }
    SyncFolder(folder);
}
