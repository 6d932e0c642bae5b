#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tasks/MediaIntake.h"

namespace {

namespace fs = std::filesystem;

const std::string Patterns = "*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;";

class IntakeFolder : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "lumora-intake-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern + "/";
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Write(const std::string& name, const std::string& bytes = "x") const
    {
        fs::create_directories(fs::path(folder_ + name).parent_path());
        std::ofstream(folder_ + name, std::ios::binary) << bytes;
        return folder_ + name;
    }

    std::string folder_;
};

TEST(MediaIntake, MatchesWildcardsWithoutCase)
{
    const struct {
        const char* name;
        const char* patterns;
        bool matches;
    } cases[] = {
        {"clip.avi", "*.avi;", true},
        {"CLIP.AVI", "*.avi;", true},
        {"clip.Mpeg", Patterns.c_str(), true},
        {"clip.asf", Patterns.c_str(), true},
        {"clip.avi.txt", Patterns.c_str(), false},
        {"clip.avix", Patterns.c_str(), false},
        {"clipavi", Patterns.c_str(), false},
        {"clip", Patterns.c_str(), false},
        {".avi", "*.avi;", true},
        {"a.b.mov", "*.mov", true},
        {"clip.mp4", "clip.mp?", true},
        {"clip.mp", "clip.mp?", false},
        {"ÄÖ Video.mp4", "*.MP4;", true},
        {"clip.avi", "", false},
        {"clip.avi", ";;", false},
        {"anything", "*", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesPatterns(c.name, c.patterns), c.matches) << c.name << " / " << c.patterns;
}

TEST(MediaIntake, SplitsLinesAtEveryKindOfLineEnd)
{
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\rc", {"a", "b", "c"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\r b ", {"a", "", " b "}},   // LF CR is two line ends; blanks stay
        {"\r\n", {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(MediaIntake, ListFileArgumentIsKnownByItsExtension)
{
    EXPECT_TRUE(IsListFileArgument("/tmp/list.tmp"));
    EXPECT_TRUE(IsListFileArgument("/tmp/LIST.TMP"));
    EXPECT_FALSE(IsListFileArgument("/tmp/list.tmp.avi"));
    EXPECT_FALSE(IsListFileArgument("/tmp.d/list"));
    EXPECT_FALSE(IsListFileArgument(""));
}

TEST_F(IntakeFolder, ListsMatchingFilesByNameIgnoringCase)
{
    Write("b.avi");
    Write("C.MP4");
    Write("a.Mov");
    Write("D e \"quoted\".wmv");
    Write("notes.txt");
    Write("clip.avi.txt");
    Write(".hidden.avi");
    Write("sub/inner.avi");
    fs::create_directory(folder_ + "folder.avi");
    fs::create_symlink(folder_ + "b.avi", folder_ + "link.mp4");
    fs::create_symlink(folder_ + "gone.avi", folder_ + "broken.avi");

    const std::vector<std::string> expected{"a.Mov", "b.avi", "C.MP4", "D e \"quoted\".wmv", "link.mp4"};
    EXPECT_EQ(ListSupportedFiles(folder_, Patterns), expected);
    // The folder without its trailing separator lists the same.
    EXPECT_EQ(ListSupportedFiles(folder_.substr(0, folder_.size() - 1), Patterns), expected);
}

TEST_F(IntakeFolder, UnreadableOrMissingFolderListsNothing)
{
    EXPECT_TRUE(ListSupportedFiles(folder_ + "vanished/", Patterns).empty());
    EXPECT_TRUE(ListSupportedFiles(Write("file.avi"), Patterns).empty());
    EXPECT_TRUE(ListSupportedFiles("", Patterns).empty());
    if (geteuid() != 0) {   // root reads every folder
        Write("locked/clip.avi");
        fs::permissions(folder_ + "locked", fs::perms::none);
        EXPECT_TRUE(ListSupportedFiles(folder_ + "locked", Patterns).empty());
        fs::permissions(folder_ + "locked", fs::perms::owner_all);
    }
}

TEST_F(IntakeFolder, CommandLineCandidates)
{
    const std::string list = Write("inputs.TMP", "/a/one.avi\r\n\r\n/b\n/c/two.mp4");
    const struct {
        std::vector<std::string> arguments;
        std::vector<std::string> paths;
    } cases[] = {
        {{}, {}},
        {{"/x/a.avi", " /x/b.AVI "}, {"/x/a.avi", " /x/b.AVI "}},
        {{list, "/ignored.avi"}, {"/a/one.avi", "", "/b", "/c/two.mp4"}},
        {{"/x/a.avi", list}, {"/x/a.avi", list}},   // only the first argument can be a list
    };
    for (const auto& c : cases) {
        const CommandLineCandidates candidates = ReadCommandLineCandidates(c.arguments);
        EXPECT_EQ(candidates.Paths, c.paths);
        EXPECT_EQ(candidates.ListFileError, "");
    }
    EXPECT_TRUE(fs::exists(list));   // left in place
}

TEST_F(IntakeFolder, UnreadableListFileGivesAReasonAndNoCandidates)
{
    fs::create_directory(folder_ + "folder.tmp");
    for (const std::string& listFile : {folder_ + "missing.tmp", folder_ + "folder.tmp"}) {
        const CommandLineCandidates candidates = ReadCommandLineCandidates({listFile, Write("clip.avi")});
        EXPECT_EQ(candidates.ListFile, listFile);
        EXPECT_NE(candidates.ListFileError, "") << listFile;
        EXPECT_TRUE(candidates.Paths.empty());
    }
}

TEST_F(IntakeFolder, KindOfPath)
{
    const std::string file = Write("clip.avi");
    fs::create_directory(folder_ + "dir.avi");
    fs::create_symlink(file, folder_ + "link.avi");
    const std::string fifo = folder_ + "pipe.avi";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    EXPECT_EQ(KindOfPath(file), PathKind::File);
    EXPECT_EQ(KindOfPath(folder_ + "link.avi"), PathKind::File);
    EXPECT_EQ(KindOfPath(folder_ + "dir.avi"), PathKind::Folder);
    EXPECT_EQ(KindOfPath(folder_), PathKind::Folder);
    EXPECT_EQ(KindOfPath(fifo), PathKind::Other);
    EXPECT_EQ(KindOfPath(folder_ + "missing.avi"), PathKind::Missing);
    EXPECT_EQ(KindOfPath(""), PathKind::Missing);
    EXPECT_EQ(KindOfPath(file + "/inner"), PathKind::Missing);
}

}  // namespace
