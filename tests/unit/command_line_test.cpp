#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "convert/CommandLine.h"

namespace fs = std::filesystem;

namespace {

using Strings = std::vector<std::string>;

ProfileParameter Choice(const std::string& name, int group, const std::string& cmd, const std::string& captions,
                        const std::string& values)
{
    ProfileParameter p;
    p.Name = name;
    p.Sort = group;
    p.cmd = cmd;
    p.List = true;
    p.Caption = captions;
    p.Value = values;
    return p;
}

ProfileParameter Fixed(const std::string& name, int group, const std::string& cmd, const std::string& value)
{
    ProfileParameter p;
    p.Name = name;
    p.Sort = group;
    p.cmd = cmd;
    p.List = false;
    p.ReadOnly = true;
    p.Caption = "shown only";
    p.Value = value;
    return p;
}

ProfileParameter Free(const std::string& name, int group, const std::string& cmd)
{
    ProfileParameter p = Fixed(name, group, cmd, "");
    p.ReadOnly = false;
    return p;
}

// The grids: text by group and key; a missing row shows nothing.
ShownValueFn Grids(std::map<std::pair<int, std::string>, std::string> rows)
{
    return [rows = std::move(rows)](int group, const std::string& name) {
        const auto it = rows.find({group, name});
        return it == rows.end() ? std::string() : it->second;
    };
}

TEST(ParameterArgs, BuildsPiecesInProfileOrder)
{
    Profile profile;
    profile.Parameters = {
        Choice("Video Codec", GroupVideo, "-vcodec", "H.264,MPEG-4,", "libx264,mpeg4,"),
        Choice("Video Size", GroupVideo, "-s", "Original Size,640x480,", "\\,640x480,"),
        Free("Bitrate", GroupVideo, "-b:v"),
        Fixed("Format", GroupAdvanced, "-f", "mp4"),
        Fixed("No Audio", GroupAudio, "-an", "\\"),
        Free("Empty", GroupAudio, "-ar"),             // shown text empty: nothing
        Fixed("No Switch", GroupAudio, "", "x"),      // no switch: nothing
        Free("Missing Row", GroupAdvanced, "-threads"),
        Fixed("Strict", GroupAudio, "-acodec aac -strict", "experimental"),
    };
    const ShownValueFn shown = Grids({
        {{GroupVideo, "Video Codec"}, "mpeg-4"},       // letter case ignored
        {{GroupVideo, "Video Size"}, "320x240"},       // a custom size, not a choice
        {{GroupVideo, "Bitrate"}, "300k"},
        {{GroupAdvanced, "Format"}, "whatever the grid shows"},
        {{GroupAudio, "Empty"}, ""},
        {{GroupVideo, "Missing Row"}, "4"},            // another group's row
    });
    const CommandPieces pieces = ParameterArgs(profile, shown);
    EXPECT_EQ(pieces.Text, " -vcodec mpeg4 -s 320x240 -b:v 300k -f mp4 -an  -acodec aac -strict experimental");
    EXPECT_EQ(pieces.Args, (Strings{"-vcodec", "mpeg4", "-s", "320x240", "-b:v", "300k", "-f", "mp4", "-an",
                                    "-acodec", "aac", "-strict", "experimental"}));
}

TEST(ParameterArgs, BackslashGivesTheSwitchAlone)
{
    Profile profile;
    profile.Parameters = {Choice("Video Size", GroupVideo, "-s", "Original Size,640x480,", "\\,640x480,")};
    const CommandPieces pieces = ParameterArgs(profile, Grids({{{GroupVideo, "Video Size"}, "Original Size"}}));
    EXPECT_EQ(pieces.Text, " -s ");
    // No empty argument: the encoder would take it as the switch's value.
    EXPECT_EQ(pieces.Args, (Strings{"-s"}));
}

TEST(ParameterArgs, ChoiceWithoutEncoderValueIsADefect)
{
    Profile profile;
    profile.Parameters = {Choice("Video Codec", GroupVideo, "-vcodec", "H.264,MPEG-4,", "libx264,")};
    EXPECT_THROW(ParameterArgs(profile, Grids({{{GroupVideo, "Video Codec"}, "MPEG-4"}})), ProfileDefect);
    EXPECT_TRUE(ParameterArgs(Profile{}, Grids({})).Args.empty());
}

ltvItemData Task(double startSec, double sourceStartSec, double durationSec, double lengthSec)
{
    ltvItemData task;
    task.StartTime = "00:00:10.5";
    task.StartSec = startSec;
    task.SourceStartSec = sourceStartSec;
    task.DurationSec = durationSec;
    task.LengthSec = lengthSec;
    return task;
}

TEST(TaskOptionArgs, AddsStartAndDurationOnlyWhenChanged)
{
    const struct {
        const char* name;
        ltvItemData task;
        std::string text;
        Strings args;
    } cases[] = {
        {"untouched", Task(0, 0, 83.45, 83.45), "", {}},
        {"moved start, end at the input's end", Task(10.5, 0, 72.95, 83.45), " -ss 00:00:10.5 -t 73",
         {"-ss", "00:00:10.5", "-t", "73"}},
        {"stored tenths against a length in hundredths", Task(0, 0, 83.5, 83.45), " -t 84", {"-t", "84"}},
        {"10.5 goes to the even 10", Task(0, 0, 10.5, 20), " -t 10", {"-t", "10"}},
        {"11.5 goes to the even 12", Task(0, 0, 11.5, 20), " -t 12", {"-t", "12"}},
    };
    for (const auto& c : cases) {
        const CommandPieces pieces = TaskOptionArgs(c.task);
        EXPECT_EQ(pieces.Text, c.text) << c.name;
        EXPECT_EQ(pieces.Args, c.args) << c.name;
    }
}

TEST(EncoderPathArgument, KeepsAbsolutePathsAndGuardsOthers)
{
    EXPECT_EQ(EncoderPathArgument("/v/-x.mp4"), "/v/-x.mp4");
    EXPECT_EQ(EncoderPathArgument("/v/a:b \"c\".mp4"), "/v/a:b \"c\".mp4");
    EXPECT_EQ(EncoderPathArgument("-x.mp4"), "file:-x.mp4");   // not an option
    EXPECT_EQ(EncoderPathArgument("a:b.mp4"), "file:a:b.mp4"); // not a protocol
    EXPECT_EQ(EncoderPathArgument("-"), "file:-");             // not standard input
}

TEST(ConversionArgs, InputParametersOptionsOutput)
{
    const CommandPieces parameters{" -vcodec libx264", {"-vcodec", "libx264"}};
    const CommandPieces options{" -ss 00:00:10.5", {"-ss", "00:00:10.5"}};
    const CommandPieces line = ConversionArgs("/in/a b.mp4", parameters, options, "/out/-x.mp4");
    EXPECT_EQ(line.Args,
              (Strings{"-y", "-i", "/in/a b.mp4", "-vcodec", "libx264", "-ss", "00:00:10.5", "/out/-x.mp4"}));
    EXPECT_EQ(line.Text, " -y -i \"/in/a b.mp4\" -vcodec libx264 -ss 00:00:10.5 \"/out/-x.mp4\"");

    const CommandPieces relative = ConversionArgs("-in.mp4", {}, {}, "-out.mp4");
    EXPECT_EQ(relative.Args, (Strings{"-y", "-i", "file:-in.mp4", "file:-out.mp4"}));
    EXPECT_EQ(relative.Text, " -y -i \"file:-in.mp4\" \"file:-out.mp4\"");

    const CommandPieces probe = ProbeArgs("/in/a \"b\".mp4");
    EXPECT_EQ(probe.Args, (Strings{"-i", "/in/a \"b\".mp4"}));
    EXPECT_EQ(probe.Text, " -i \"/in/a \"b\".mp4\"");
}

// A temporary folder with an input clip.mp4 in it.
class OutputPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "lumora-output-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        input = dir + "/clip.mp4";
        Touch(input);
    }
    void TearDown() override { fs::remove_all(dir); }

    static void Touch(const std::string& path) { std::ofstream(path) << "x"; }

    ltvItemData TaskFor(const std::string& outputName, const std::string& outputExt) const
    {
        ltvItemData task;
        task.InputFile = input;
        task.OutputName = outputName;
        task.OutputExt = outputExt;
        return task;
    }

    std::string dir;
    std::string input;
};

TEST_F(OutputPathTest, JoinsFolderNameAndExtension)
{
    const ltvItemData task = TaskFor("clip", ".mp4");
    EXPECT_EQ(OutputPathFor(task, "/elsewhere", ".avi", true, 1), "/elsewhere/clip.avi");
    EXPECT_EQ(OutputPathFor(task, "/elsewhere/", ".avi", true, 1), "/elsewhere/clip.avi");
}

TEST_F(OutputPathTest, RenamesOverAnExistingFileWhenAsked)
{
    fs::create_directory(dir + "/out");
    Touch(dir + "/out/clip.mp4");
    // Two tasks whose outputs would both be clip.mp4, each with its own extension.
    EXPECT_EQ(OutputPathFor(TaskFor("clip", ".mp4"), dir + "/out", ".mp4", true, 1), dir + "/out/clip_1.mp4");
    EXPECT_EQ(OutputPathFor(TaskFor("clip", ".mov"), dir + "/out", ".mp4", true, 2), dir + "/out/clip_2.mov");
    // A name typed without an extension: the renamed form has none either.
    EXPECT_EQ(OutputPathFor(TaskFor("clip", ""), dir + "/out", ".mp4", true, 2), dir + "/out/clip_2");
    // Overwriting chosen: the existing file is the output.
    EXPECT_EQ(OutputPathFor(TaskFor("clip", ".mp4"), dir + "/out", ".mp4", false, 1), dir + "/out/clip.mp4");
    // Nothing there: no renaming.
    EXPECT_EQ(OutputPathFor(TaskFor("other", ".mp4"), dir + "/out", ".mp4", true, 1), dir + "/out/other.mp4");
}

TEST_F(OutputPathTest, NeverWritesOverTheInput)
{
    fs::create_directory(dir + "/sub");
    fs::create_directory_symlink(dir, dir + "/link");
    fs::create_symlink(input, dir + "/alias.mp4");
    fs::create_hard_link(input, dir + "/hard.mp4");
    const struct {
        std::string folder;
        std::string name;
        std::string expected;
    } cases[] = {
        {dir, "clip", dir + "/clip_3.mp4"},
        {dir + "/.", "clip", dir + "/./clip_3.mp4"},
        {dir + "/sub/..", "clip", dir + "/sub/../clip_3.mp4"},
        {dir + "/link/", "clip", dir + "/link/clip_3.mp4"},
        {dir, "alias", dir + "/alias_3.mp4"},
        {dir, "hard", dir + "/hard_3.mp4"},
        // Paths that differ in letter case are different files here.
        {dir, "CLIP", dir + "/CLIP.mp4"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OutputPathFor(TaskFor(c.name, ".mp4"), c.folder, ".mp4", false, 3), c.expected) << c.folder;
}

TEST_F(OutputPathTest, RenamedFormThatIsTheInputGrowsItsSuffix)
{
    // The input is clip_1.mp4; the task was renamed "clip", and clip.mp4 exists.
    const std::string renamedInput = dir + "/clip_1.mp4";
    Touch(renamedInput);
    ltvItemData task = TaskFor("clip", ".mp4");
    task.InputFile = renamedInput;
    EXPECT_EQ(OutputPathFor(task, dir, ".mp4", true, 1), dir + "/clip_1_1.mp4");
}

}  // namespace
