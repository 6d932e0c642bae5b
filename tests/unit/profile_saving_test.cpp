// Storing shown grid values into a profile, and saving a profile under another name.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "ProfileTestFolder.h"
#include "profiles/ProfileSaving.h"

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const char* const Profile =
    "[Main]\nType=mp4\nPara=4\n0=Size\n1=Codec\n2=Rate\n3=Title\n"
    "[Size]\nSort=1\nList=1\nCaption=Original,640x480,Custom,\nValue=,640x480,,\nIndex=0\n"
    "[Codec]\nSort=1\nReadOnly=1\nList=1\nCaption=A,B,\nValue=a,b,\nIndex=0\n"
    "[Rate]\nSort=2\nReadOnly=1\nList=0\nCaption=Fixed\nValue=fixed\n"
    "[Title]\nSort=3\nList=0\nCaption=old\nValue=old\n";

// Grids as a map from "group/name" to the shown row.
ShownRowLookup Grids(std::map<std::string, ShownRow> rows)
{
    return [rows = std::move(rows)](int group, const std::string& name) -> std::optional<ShownRow> {
        const auto found = rows.find(std::to_string(group) + "/" + name);
        if (found == rows.end())
            return std::nullopt;
        return found->second;
    };
}

const std::vector<std::string> SizeList{"Original", "640x480", "Custom"};

} // namespace

TEST(PickListPosition, FirstEntryEqualIgnoringLetterCaseOfAToZ)
{
    const std::vector<std::string> list{"Yes", "no", "YES", "", "Größe"};
    const struct {
        const char* value;
        int position;
    } cases[] = {{"Yes", 0}, {"yes", 0}, {"NO", 1}, {"", 3}, {"Größe", 4}, {"GRÖSSE", -1}, {"Maybe", -1}, {"Yes ", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(PickListPosition(list, c.value), c.position) << c.value;
    EXPECT_EQ(PickListPosition({}, ""), -1);
}

using ProfileSaving = ProfileTestFolder;

TEST_F(ProfileSaving, WritesChoicesAndFreeValuesAndLeavesTheRestAlone)
{
    const struct {
        const char* name;
        std::map<std::string, ShownRow> rows;
        std::vector<std::pair<std::string, std::string>> changes;   // replaced lines
    } cases[] = {
        {"choice, letter case ignored; read-only rows untouched",
         {{"1/Size", {"custom", SizeList}}, {"1/Codec", {"B", {"A", "B"}}}, {"2/Rate", {"typed", {}}},
          {"3/Title", {"new title", {}}}},
         {{"Index=0\r\n[Codec]", "Index=2\r\n[Codec]"},
          {"Caption=old\r\nValue=old", "Caption=new title\r\nValue=new title"}}},
        {"a shown value outside the list", {{"1/Size", {"320x240", SizeList}}, {"3/Title", {"old", {}}}},
         {{"Index=0\r\n[Codec]", "Index=-1\r\n[Codec]"}}},
        {"parameters without a row keep their defaults", {{"3/Title", {"", {}}}},
         {{"Caption=old\r\nValue=old", "Caption=\r\nValue="}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = WriteProfile("p.apf", Profile);
        std::string expected = ReadAll(file);
        for (const auto& [from, to] : c.changes)
            expected.replace(expected.find(from), from.size(), to);
        EXPECT_EQ(SaveShownValuesToProfile(file, Grids(c.rows)), "");
        EXPECT_EQ(ReadAll(file), expected);
    }
}

TEST_F(ProfileSaving, RefusesATextThatWouldBreakTheProfileAndWritesNothing)
{
    const std::string file = WriteProfile("p.apf", Profile);
    const std::string before = ReadAll(file);
    const struct {
        const char* value;
    } cases[] = {{"a[b"}, {"line\nbreak"}};
    for (const auto& c : cases) {
        const std::string problem =
            SaveShownValuesToProfile(file, Grids({{"1/Size", {"640x480", SizeList}}, {"3/Title", {c.value, {}}}}));
        EXPECT_NE(problem, "") << c.value;
        EXPECT_EQ(ReadAll(file), before) << c.value;
    }
}

TEST_F(ProfileSaving, SaveAsCopiesThenWritesAndAFailedCopyWritesNothing)
{
    const std::string source = WriteProfile("p.apf", Profile);
    const std::string before = ReadAll(source);
    const ShownRowLookup grids = Grids({{"3/Title", {"copy", {}}}});

    const std::string target = folder_ + "copy.apf";
    EXPECT_EQ(SaveProfileAs(source, target, grids), "");
    std::string expected = before;
    expected.replace(expected.find("Caption=old\r\nValue=old"), 22, "Caption=copy\r\nValue=copy");
    EXPECT_EQ(ReadAll(target), expected);
    EXPECT_EQ(ReadAll(source), before);

    // Onto itself: the values go into the file, nothing is lost.
    EXPECT_EQ(SaveProfileAs(source, source, grids), "");
    EXPECT_EQ(ReadAll(source), expected);

    for (const std::string& failing : {folder_ + "missing/x.apf", source + "/x.apf"}) {
        EXPECT_NE(SaveProfileAs(source, failing, Grids({{"3/Title", {"lost", {}}}})), "") << failing;
        EXPECT_FALSE(std::filesystem::exists(failing)) << failing;
        EXPECT_EQ(ReadAll(source), expected);
    }
    // A missing source does nothing.
    EXPECT_EQ(SaveProfileAs(folder_ + "gone.apf", folder_ + "new.apf", grids), "");
    EXPECT_FALSE(std::filesystem::exists(folder_ + "new.apf"));
    // Only the two profiles: no temporary copy is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), std::filesystem::directory_iterator()), 2);
}
