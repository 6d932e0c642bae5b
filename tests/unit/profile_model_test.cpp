#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ProfileTestFolder.h"
#include "profiles/ProfileModel.h"

namespace fs = std::filesystem;

namespace {

using Strings = std::vector<std::string>;

TEST(SplitCommaList, EntriesEndWithAComma)
{
    const struct {
        std::string text;
        Strings entries;
    } cases[] = {
        {"A,B,C,", {"A", "B", "C"}},
        {"A,B,C", {"A", "B"}},  // the text after the last comma is no entry
        {"A,,B,", {"A", "", "B"}},
        {" A, B,", {" A", " B"}},
        {"", {}},
        {"no comma", {}},
        {",", {""}},
        {",\\,", {"", "\\"}},
        {"volume=0.5,,", {"volume=0.5", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommaList(c.text), c.entries) << c.text;
}

class ProfileListing : public ProfileTestFolder {};

TEST_F(ProfileListing, ListsFilesOfTheExtensionInAStableOrder)
{
    for (const char* name : {"x.APF", "x.apf.bak", ".z.apf", "my.profile.apf", "B.apf", "a.apf", "noext", "c.txt"})
        WriteProfile(name, "[Main]\n");
    fs::create_directory(folder_ + "y.apf");

    const Strings expected = {".z.apf", "a.apf", "B.apf", "my.profile.apf", "x.APF"};
    EXPECT_EQ(ListFilesByExtension(folder_, ".apf"), expected);
    // The wanted extension's letter case and the folder's final separator don't matter.
    EXPECT_EQ(ListFilesByExtension(folder_.substr(0, folder_.size() - 1), ".APF"), expected);
}

TEST_F(ProfileListing, MissingFolderGivesNoFiles)
{
    EXPECT_TRUE(ListFilesByExtension(folder_ + "absent", ".apf").empty());
    EXPECT_TRUE(ListProfiles(folder_ + "absent").empty());
}

TEST_F(ProfileListing, ProfilesKeepTheNameTheyWereFoundWith)
{
    fs::create_directory(folder_ + "Profiles");
    for (const char* name : {"x.APF", "my.profile.apf", ".z.apf"})
        WriteProfile(std::string("Profiles/") + name, "[Main]\n");

    const std::vector<ProfileEntry> entries = ListProfiles(folder_);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].DisplayName, ".z");
    EXPECT_EQ(entries[1].DisplayName, "my.profile");
    EXPECT_EQ(entries[2].DisplayName, "x");
    EXPECT_EQ(entries[2].FileName, "x.APF");

    EXPECT_EQ(ProfilesFolder(folder_), folder_ + "Profiles/");
    EXPECT_EQ(ProfileFileOf(folder_, entries, "x"), folder_ + "Profiles/x.APF");
    EXPECT_TRUE(fs::exists(ProfileFileOf(folder_, entries, "x")));
    EXPECT_EQ(ProfileFileOf(folder_, entries, "my.profile"), folder_ + "Profiles/my.profile.apf");
    // A name that was not listed (a copy saved during this run) takes the usual extension.
    EXPECT_EQ(ProfileFileOf(folder_, entries, "New"), folder_ + "Profiles/New.apf");
    EXPECT_EQ(ProfileFileOf(folder_, {}, "x"), folder_ + "Profiles/x.apf");
}

class ProfileReading : public ProfileTestFolder {
protected:
    static Strings Names(const Profile& profile)
    {
        Strings names;
        for (const ProfileParameter& parameter : profile.Parameters)
            names.push_back(parameter.Name);
        return names;
    }
};

TEST_F(ProfileReading, ReadsEveryFieldWithItsDefault)
{
    const std::string file = WriteProfile("p.apf",
                                          "[Main]\n"
                                          "Type=m4a\n"
                                          "Para=2\n"
                                          "0=Video Size\n"
                                          "1=Bare\n"
                                          "[Video Size]\n"
                                          "Sort=1\n"
                                          "ReadOnly=1\n"
                                          "cmd=-s\n"
                                          "List=0\n"
                                          "Caption= 640x480 \n"
                                          "Value=a=b\n"
                                          "Index=3\n"
                                          "[Bare]\n"
                                          "Sort=2\n");
    const Profile profile = ReadProfile(file);
    EXPECT_EQ(profile.Type, "m4a");
    ASSERT_EQ(profile.Parameters.size(), 2u);

    const ProfileParameter& full = profile.Parameters[0];
    EXPECT_EQ(full.Name, "Video Size");
    EXPECT_EQ(full.Sort, GroupVideo);
    EXPECT_TRUE(full.ReadOnly);
    EXPECT_EQ(full.cmd, "-s");
    EXPECT_FALSE(full.List);
    EXPECT_EQ(full.Caption, " 640x480 ");
    EXPECT_EQ(full.Value, "a=b");
    EXPECT_EQ(full.Index, 3);
    EXPECT_EQ(full.Kind(), ParameterKind::Fixed);

    const ProfileParameter& bare = profile.Parameters[1];
    EXPECT_EQ(bare.Name, "Bare");
    EXPECT_EQ(bare.Sort, GroupAudio);
    EXPECT_FALSE(bare.ReadOnly);
    EXPECT_EQ(bare.cmd, "");
    EXPECT_TRUE(bare.List);
    EXPECT_EQ(bare.Caption, "");
    EXPECT_EQ(bare.Value, "");
    EXPECT_EQ(bare.Index, 0);
    EXPECT_EQ(bare.Kind(), ParameterKind::Choice);
}

TEST_F(ProfileReading, ParametersWithoutAGroupJoinThePreviousOne)
{
    const std::string file = WriteProfile("p.apf",
                                          "[Main]\n"
                                          "Para=7\n"
                                          "0=NoSort\n"
                                          "1=Five\n"
                                          "2=Audio\n"
                                          "3=Follows\n"
                                          "4=Zero\n"
                                          "5=Advanced\n"
                                          "6=Text\n"
                                          "[NoSort]\n"
                                          "cmd=-a\n"
                                          "[Five]\n"
                                          "Sort=5\n"
                                          "[Audio]\n"
                                          "Sort=2\n"
                                          "[Follows]\n"
                                          "cmd=-f\n"
                                          "[Zero]\n"
                                          "Sort=0\n"
                                          "[Advanced]\n"
                                          "Sort=3\n"
                                          "[Text]\n"
                                          "Sort=x\n");
    const Profile profile = ReadProfile(file);
    // The first two have no group to join and are left out.
    EXPECT_EQ(Names(profile), (Strings{"Audio", "Follows", "Zero", "Advanced", "Text"}));
    std::vector<int> groups;
    for (const ProfileParameter& parameter : profile.Parameters)
        groups.push_back(parameter.Sort);
    EXPECT_EQ(groups, (std::vector<int>{GroupAudio, GroupAudio, GroupAudio, GroupAdvanced, GroupAdvanced}));
}

TEST_F(ProfileReading, MissingKeysAndFilesGiveAnEmptyMp4Profile)
{
    const std::string noPara = WriteProfile("a.apf", "[Main]\n0=Lost\n[Lost]\nSort=1\n");
    const std::string noMain = WriteProfile("b.apf", "");
    for (const std::string& file : {noPara, noMain, folder_ + "absent.apf"}) {
        const Profile profile = ReadProfile(file);
        EXPECT_EQ(profile.Type, "mp4") << file;
        EXPECT_TRUE(profile.Parameters.empty()) << file;
    }
}

TEST(ProfileParameter, KindFollowsListAndReadOnly)
{
    const struct {
        bool list;
        bool readOnly;
        ParameterKind kind;
    } cases[] = {
        {true, false, ParameterKind::Choice},
        {true, true, ParameterKind::Choice},  // read-only only keeps it from being written back
        {false, true, ParameterKind::Fixed},
        {false, false, ParameterKind::Free},
    };
    for (const auto& c : cases) {
        ProfileParameter parameter;
        parameter.List = c.list;
        parameter.ReadOnly = c.readOnly;
        EXPECT_EQ(parameter.Kind(), c.kind) << c.list << c.readOnly;
    }
}

ProfileParameter MakeParameter(bool list, bool readOnly, const std::string& caption, const std::string& value)
{
    ProfileParameter parameter;
    parameter.Name = "Video Size";
    parameter.cmd = "-s";
    parameter.List = list;
    parameter.ReadOnly = readOnly;
    parameter.Caption = caption;
    parameter.Value = value;
    return parameter;
}

TEST(EncoderValue, MapsTheShownTextByKind)
{
    const ProfileParameter sizes = MakeParameter(true, false, "Original Size,Yes,yes,Custom Size,", ",first,second,,");
    const ProfileParameter fixed = MakeParameter(false, true, "YUV 4:2:0", "yuv420p");
    const ProfileParameter free = MakeParameter(false, false, "typed", "unused");
    const struct {
        const ProfileParameter& parameter;
        std::string shown;
        std::string expected;
    } cases[] = {
        {sizes, "Yes", "first"},
        {sizes, "YES", "first"},  // letter case ignored; the first match wins
        {sizes, "yes", "first"},
        {sizes, "Original Size", ""},
        {sizes, "Custom Size", ""},
        {sizes, "320x240", "320x240"},  // a custom size is no choice and goes as typed
        {sizes, "", ""},
        {fixed, "whatever the grid shows", "yuv420p"},
        {fixed, "", "yuv420p"},
        {free, "-16x0", "-16x0"},
        {free, "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncoderValue(c.parameter, c.shown), c.expected) << c.parameter.Caption << " / " << c.shown;
}

TEST(EncoderValue, AChoiceWithoutEncoderValueIsADefect)
{
    const ProfileParameter parameter = MakeParameter(true, false, "A,B,C,", "a,b,");
    EXPECT_EQ(EncoderValue(parameter, "b"), "b");
    try {
        EncoderValue(parameter, "c");
        FAIL() << "no defect reported";
    } catch (const ProfileDefect& defect) {
        const std::string message = defect.what();
        EXPECT_NE(message.find("Video Size"), std::string::npos) << message;
        EXPECT_NE(message.find("\"C\""), std::string::npos) << message;
    }
    // A text that is no choice at all is no defect.
    EXPECT_EQ(EncoderValue(parameter, "D"), "D");
}

}  // namespace
