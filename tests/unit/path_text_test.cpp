#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/PathText.h"

namespace {

TEST(PathText, AddTrailingBackslash)
{
    EXPECT_EQ(AddTrailingBackslash("/opt/tools"), "/opt/tools/");
    EXPECT_EQ(AddTrailingBackslash("/opt/tools/"), "/opt/tools/");
    EXPECT_EQ(AddTrailingBackslash("/"), "/");
    EXPECT_EQ(AddTrailingBackslash(""), "");
}

TEST(PathText, SplitsNameAndExtension)
{
    const struct {
        const char* name;
        const char* stem;
        const char* extension;
    } cases[] = {
        {"clip.avi", "clip", ".avi"},
        {"clip", "clip", ""},
        {"my.clip.mp4", "my.clip", ".mp4"},
        {"clip.", "clip", "."},
        {".hidden", "", ".hidden"},
        {"", "", ""},
        {"dir.v2/clip", "dir.v2/clip", ""},
        {"/a.b/clip.MOV", "/a.b/clip", ".MOV"},
        {"clip.avi:1", "clip.avi:1", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RemoveExtension(c.name), c.stem) << c.name;
        EXPECT_EQ(ExtractFileExt(c.name), c.extension) << c.name;
    }
}

TEST(PathText, SplitsFolderAndFileName)
{
    const struct {
        const char* path;
        const char* folder;
        const char* name;
    } cases[] = {
        {"/home/me/clip.avi", "/home/me/", "clip.avi"},
        {"clip.avi", "", "clip.avi"},
        {"/clip.avi", "/", "clip.avi"},
        {"/home/me/", "/home/me/", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExtractFilePath(c.path), c.folder) << c.path;
        EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    }
}

TEST(PathText, ComparesOnlyAToZWithoutCase)
{
    EXPECT_EQ(LowerAscii("AbC-Z\xC3\x84"), "abc-z\xC3\x84"); // Ä stays as it is
    EXPECT_EQ(FindNoCase("Syn Mode=1", "mode="), 4u);
    EXPECT_EQ(FindNoCase("[MAIN]", "[main]"), 0u);
    EXPECT_EQ(FindNoCase("abcabc", "ABC", 1), 3u);
    EXPECT_EQ(FindNoCase("abc", "abcd"), std::string::npos);
    EXPECT_EQ(FindNoCase("abc", "x", 9), std::string::npos);
    EXPECT_EQ(FindNoCase("\xC3\xA4", "\xC3\x84"), std::string::npos); // ä is not Ä
    EXPECT_TRUE(EqualsNoCase("Video Size", "VIDEO size"));
    EXPECT_FALSE(EqualsNoCase("Video", "Video Size"));
    EXPECT_FALSE(EqualsNoCase("a", "b"));
}

TEST(PathText, IsSupportedFile)
{
    const std::vector<std::string> extensions = {".avi", ".mpg", ".mpeg", ".mp4", ".wmv", ".mov", ".vob", ".asf"};
    const struct {
        const char* name;
        bool supported;
    } cases[] = {
        {"/videos/clip.avi", true},  {"/videos/CLIP.AVI", true},    {"a.b.Mp4", true},
        {"clip.avi.txt", false},     {"clip", false},               {"/videos.avi/clip", false},
        {"clip.", false},            {"clip.mpeg", true},           {"clip.av", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsSupportedFile(c.name, extensions), c.supported) << c.name;
    EXPECT_FALSE(IsSupportedFile("clip.avi", {}));
}

} // namespace
