#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "settings/IniFile.h"

namespace fs = std::filesystem;

namespace {

class IniFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        static std::atomic<unsigned> counter = 0;
        folder_ = fs::temp_directory_path()
                  / ("lumora-ini-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-"
                     + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
        path_ = (folder_ / "Preferences.ini").string();
    }

    void TearDown() override
    {
        // Tests take permissions away; give them back so everything can go.
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        for (const auto& entry : fs::recursive_directory_iterator(folder_))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    static void WriteBytes(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    static std::string ReadBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::vector<std::string> FolderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        return names;
    }

    static bool PermissionsBite() { return ::geteuid() != 0; }

    fs::path folder_;
    std::string path_;
};

TEST_F(IniFileTest, ReadsEntriesByLooseMatching)
{
    WriteBytes(path_,
               "[MAIN]\r\n"
               "Profile=Phone\r\n"
               "key = spaced\r\n"
               "Blank=  two  \r\n"
               "Syn Mode=7\r\n"
               "Empty=\r\n"
               "Eq=a=b\r\n"
               " junk [Other]Head=line0\r\n"
               "Mode=other\r\n"
               "Cut=x[y\r\n"
               "After=hidden\r\n"
               "[Main]\r\n"
               "Profile=Second\r\n"
               "Late=only here\r\n");
    const TNewInifile ini(path_);
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"main", "PROFILE", "Phone"},      // capitals differ; the first of two [Main] counts
        {"Main", "key", "default"},        // blanks before '=' make no entry
        {"Main", "Blank", "  two  "},      // value blanks kept
        {"Main", "Mode", "7"},             // the end of "Syn Mode" matches
        {"Main", "Empty", ""},             // empty value, not the default
        {"Main", "Eq", "a=b"},
        {"Main", "Late", "default"},       // lives in the second [Main] only
        {"Other", "Head", "line0"},        // the rest of the header line is body line 0
        {"Other", "Mode", "other"},
        {"Other", "Cut", "x"},             // '[' ends the body
        {"Other", "After", "default"},
        {"Missing", "Profile", "default"},
        {"Main", "Absent", "default"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "default"), c.value) << c.section << "/" << c.key;
}

// Each write is saved and compared byte for byte, and reads back what was written.
TEST_F(IniFileTest, WritesLinesInPlace)
{
    const struct {
        const char* before;
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    } cases[] = {
        {"", "Main", "Profile", "Phone", "[Main]\r\nProfile=Phone\r\n"},
        {"[MAIN]\r\nprofile=Old\r\nOther=1\r\n", "Main", "PROFILE", "New", "[MAIN]\r\nPROFILE=New\r\nOther=1\r\n"},
        {"[Main]\r\nkey = old\r\n", "Main", "key", "new", "[Main]\r\nkey=new\r\nkey = old\r\n"},
        {"[Main]\r\nA=1\r\n", "Other", "B", " 2 ", "[Main]\r\nA=1\r\n[Other]\r\nB= 2 \r\n"},
        {"[Main]\r\nA=x[y\r\nB=1\r\n", "Main", "B", "2", "[Main]\r\nB=2\r\nA=x[y\r\nB=1\r\n"},
        {"[Main]\r\nA=1\r\n[Main]\r\nA=2\r\n", "main", "A", "3", "[Main]\r\nA=3\r\n[Main]\r\nA=2\r\n"},
        // A key found only inside another entry gets its own line; the other entry stays.
        {"[Main]\r\nSyn Mode=7\r\n", "Main", "Mode", "2", "[Main]\r\nMode=2\r\nSyn Mode=7\r\n"},
        {"[Main]\r\nTitle=x Mode=1\r\n", "Main", "Mode", "2", "[Main]\r\nMode=2\r\nTitle=x Mode=1\r\n"},
        // An entry on the header line moves below it, so the header survives.
        {"[Main]A=1\r\nB=2\r\n", "Main", "A", "5", "[Main]\r\nA=5\r\nB=2\r\n"},
        {"[Main]Syn Mode=1\r\n", "Main", "Mode", "5", "[Main]\r\nMode=5\r\nSyn Mode=1\r\n"},
        {"[Main]\r\n\r\nA=1\r\n\r\n[B]\r\n", "Main", "A", "", "[Main]\r\n\r\nA=\r\n\r\n[B]\r\n"},
    };
    for (const auto& c : cases) {
        WriteBytes(path_, c.before);
        TNewInifile ini(path_);
        ini.WriteString(c.section, c.key, c.value);
        EXPECT_EQ(ini.ReadString(c.section, c.key, "default"), c.value) << c.before;
        ini.SaveAndFree();
        EXPECT_EQ(ReadBytes(path_), c.after) << c.before;
    }
}

TEST_F(IniFileTest, NewKeysGoBelowTheHeader)
{
    TNewInifile ini(path_);
    ini.WriteString("Main", "Profile", "Phone");
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[Main]", "Profile=Phone"}));
    ini.WriteString("Main", "Output Path", "/home/me/");
    ini.WriteInteger("Main", "Count", -5);
    ini.WriteBool("Main", "Shutdown", true);
    ini.WriteBool("Main", "Exit", false);
    ini.SaveAndFree();
    EXPECT_EQ(ReadBytes(path_), "[Main]\r\nExit=0\r\nShutdown=1\r\nCount=-5\r\nOutput Path=/home/me/\r\nProfile=Phone\r\n");
}

TEST_F(IniFileTest, ReadInteger)
{
    TNewInifile ini(path_);
    const struct {
        const char* text;
        std::optional<int> value; // nothing: the default
    } cases[] = {
        {"42", 42},         {"  42", 42},       {"\t-7", -7},       {"+7", 7},
        {"0", 0},           {"2147483647", std::numeric_limits<int>::max()},
        {"-2147483648", std::numeric_limits<int>::min()},
        {"2147483648", {}}, {"42 ", {}},        {"", {}},           {"4x", {}},
        {"0x10", {}},       {"1.5", {}},        {"+-1", {}},        {"- 1", {}},
    };
    for (const auto& c : cases) {
        ini.WriteString("N", "v", c.text);
        EXPECT_EQ(ini.ReadInteger("N", "v", 99), c.value.value_or(99)) << '"' << c.text << '"';
    }
    EXPECT_EQ(ini.ReadInteger("N", "missing", -3), -3);
}

TEST_F(IniFileTest, ReadBool)
{
    TNewInifile ini(path_);
    enum Result { False, True, Default };
    const struct {
        const char* text;
        Result result;
    } cases[] = {
        {"1", True},        {"-1", True},       {"2", True},        {"0.5", True},
        {"1e3", True},      {" 1", True},       {"True", True},     {"TRUE", True},
        {"tRuE", True},     {"0", False},       {"0.0", False},     {"-0", False},
        {"False", False},   {"FALSE", False},   {"", Default},      {"yes", Default},
        {"on", Default},    {"1 ", Default},    {"0,5", Default},   {"True ", Default},
    };
    for (const auto& c : cases) {
        ini.WriteString("B", "v", c.text);
        for (const bool fallback : {false, true}) {
            const bool expected = c.result == Default ? fallback : c.result == True;
            EXPECT_EQ(ini.ReadBool("B", "v", fallback), expected) << '"' << c.text << "\" default " << fallback;
        }
    }
    EXPECT_TRUE(ini.ReadBool("B", "missing", true));
    EXPECT_FALSE(ini.ReadBool("B", "missing", false));
}

TEST_F(IniFileTest, ReadsAnyLineBreakAndWritesCrLf)
{
    const struct {
        std::string bytes;
        std::vector<std::string> lines;
        std::string saved;
    } cases[] = {
        {"[Main]\nA=1\nB=2\n", {"[Main]", "A=1", "B=2"}, "[Main]\r\nA=1\r\nB=2\r\n"},
        {"[Main]\rA=1\r\nB=2", {"[Main]", "A=1", "B=2"}, "[Main]\r\nA=1\r\nB=2\r\n"},
        {"[Main]\r\n\r\n\n\rA=1\r\n", {"[Main]", "", "", "", "A=1"}, "[Main]\r\n\r\n\r\n\r\nA=1\r\n"},
        {std::string("[Main]\r\nA=1\r\n\0B=2\r\n", 19), {"[Main]", "A=1"}, "[Main]\r\nA=1\r\n"},
        {std::string("[Main]\r\nA=1\0tail", 16), {"[Main]", "A=1"}, "[Main]\r\nA=1\r\n"},
        {"\r\n", {""}, "\r\n"},
        {"", {}, ""},
    };
    for (const auto& c : cases) {
        WriteBytes(path_, c.bytes);
        TNewInifile ini(path_);
        EXPECT_EQ(ini.Lines(), c.lines) << c.bytes;
        ini.SaveAndFree();
        EXPECT_EQ(ReadBytes(path_), c.saved) << c.bytes;
    }
}

TEST_F(IniFileTest, MissingFileBecomesZeroBytes)
{
    TNewInifile ini(path_);
    EXPECT_TRUE(ini.Lines().empty());
    EXPECT_EQ(ini.ReadString("Main", "Version", "3.0"), "3.0");
    ini.SaveAndFree();
    ASSERT_TRUE(fs::is_regular_file(path_));
    EXPECT_EQ(fs::file_size(path_), 0u);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Preferences.ini"}); // no temporary left
}

TEST_F(IniFileTest, LineBreaksInTextsAreRefused)
{
    TNewInifile ini(path_);
    ini.WriteString("Main", "A", "1");
    for (const std::string& bad : {std::string("a\nb"), std::string("a\rb"), std::string("a\0b", 3)}) {
        EXPECT_THROW(ini.WriteString("Main", "A", bad), IniFileError);
        EXPECT_THROW(ini.WriteString("Main", bad, "1"), IniFileError);
        EXPECT_THROW(ini.WriteString(bad, "A", "1"), IniFileError);
    }
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[Main]", "A=1"}));
}

TEST_F(IniFileTest, FolderOfThatNameIsLeftAlone)
{
    fs::create_directory(path_);
    TNewInifile ini(path_);
    EXPECT_TRUE(ini.Lines().empty());
    ini.WriteString("Main", "A", "1");
    EXPECT_THROW(ini.SaveAndFree(), IniFileError);
    EXPECT_TRUE(fs::is_directory(path_));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Preferences.ini"});
}

TEST_F(IniFileTest, UnreadableFileThrowsWithPathAndReason)
{
    if (!PermissionsBite())
        GTEST_SKIP() << "permissions don't apply to root";
    WriteBytes(path_, "[Main]\r\nA=1\r\n");
    fs::permissions(path_, fs::perms::none);
    try {
        TNewInifile ini(path_);
        FAIL() << "reading an unreadable file succeeded";
    } catch (const IniFileError& error) {
        EXPECT_NE(std::string(error.what()).find(path_), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("Permission denied"), std::string::npos) << error.what();
    }
}

TEST_F(IniFileTest, UnwritableFolderKeepsTheOldFile)
{
    if (!PermissionsBite())
        GTEST_SKIP() << "permissions don't apply to root";
    const std::string old = "[Main]\r\nA=1\r\n";
    WriteBytes(path_, old);
    TNewInifile ini(path_);
    ini.WriteString("Main", "A", "2");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    try {
        ini.SaveAndFree();
        FAIL() << "saving into a read-only folder succeeded";
    } catch (const IniFileError& error) {
        EXPECT_NE(std::string(error.what()).find(path_), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("Permission denied"), std::string::npos) << error.what();
    }
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(path_), old);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Preferences.ini"});
}

TEST_F(IniFileTest, ReadOnlyFileIsNotReplaced)
{
    if (!PermissionsBite())
        GTEST_SKIP() << "permissions don't apply to root";
    const std::string old = "[Main]\r\nA=1\r\n";
    WriteBytes(path_, old);
    fs::permissions(path_, fs::perms::owner_read);
    TNewInifile ini(path_);
    ini.WriteString("Main", "A", "2");
    EXPECT_THROW(ini.SaveAndFree(), IniFileError);
    EXPECT_EQ(ReadBytes(path_), old);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Preferences.ini"});
}

TEST_F(IniFileTest, MissingFolderThrowsWithPath)
{
    const std::string inside = (folder_ / "gone" / "x.apf").string();
    TNewInifile ini(inside);
    EXPECT_TRUE(ini.Lines().empty());
    try {
        ini.SaveAndFree();
        FAIL() << "saving into a missing folder succeeded";
    } catch (const IniFileError& error) {
        EXPECT_NE(std::string(error.what()).find(inside), std::string::npos) << error.what();
    }
}

TEST_F(IniFileTest, ReplacingKeepsPermissionsAndLinks)
{
    const std::string real = (folder_ / "real.apf").string();
    const std::string link = (folder_ / "link.apf").string();
    WriteBytes(real, "[Main]\r\nA=1\r\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.apf", link);
    TNewInifile ini(link);
    ini.WriteString("Main", "A", "2");
    ini.SaveAndFree();
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), "[Main]\r\nA=2\r\n");
    EXPECT_EQ(fs::status(real).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FolderEntries().size(), 2u);
}

} // namespace
