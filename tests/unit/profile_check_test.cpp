#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ProfileTestFolder.h"
#include "profiles/ProfileCheck.h"

namespace {

class ProfileCheck : public ProfileTestFolder {
protected:
    std::string Violations(const std::string& text)
    {
        std::string all;
        for (const std::string& violation : ProfileConstraintViolations(WriteProfile("p.apf", text)))
            all += violation + "\n";
        return all;
    }
};

// A "Video Size" section with the given Sort line(s) and choices; every choice
// has an encoder value.
std::string VideoSize(const std::string& sortLines, const std::string& choices = "Original Size,Custom Size,")
{
    const auto count = std::count(choices.begin(), choices.end(), ',');
    return "[Video Size]\n" + sortLines + "cmd=-s\nCaption=" + choices + "\nValue=" + std::string(count, ',') + "\n";
}

// Twelve parameters, so that key "1" and key "11" both exist.
std::string SoundProfile(const std::string& videoSizeSection = VideoSize("Sort=1\n"),
                         const std::string& mainTail = "11=P11\n")
{
    std::string text = "[Main]\nType=mp4\nPara=12\n0=Video Size\n";
    for (int n = 1; n <= 10; ++n)
        text += std::to_string(n) + "=P" + std::to_string(n) + "\n";
    text += mainTail + "\n" + videoSizeSection;
    for (int n = 1; n <= 11; ++n)
        text += "[P" + std::to_string(n) + "]\nSort=2\nReadOnly=1\nList=0\ncmd=-x\nCaption=c\nValue=v\n";
    return text;
}

TEST_F(ProfileCheck, ASoundProfileHasNoViolations)
{
    EXPECT_EQ(Violations(SoundProfile()), "");
}

TEST_F(ProfileCheck, FindsEachBrokenRule)
{
    // Key "11" moved in front of key "1".
    std::string tangled = SoundProfile(VideoSize("Sort=1\n"), "");
    tangled.insert(tangled.find("1=P1\n"), "11=P11\n");
    const struct {
        std::string what;
        std::string text;
        std::string expected;
    } cases[] = {
        {"no Main", "[Other]\nType=mp4\n", "section \"Main\" is missing"},
        {"unnamed parameter", "[Main]\nPara=1\n", "parameter 0 has no name"},
        {"name with =", "[Main]\nPara=1\n0=a=b\n[a=b]\nSort=1\nList=0\n", "must not contain"},
        {"same name twice", "[Main]\nPara=2\n0=Pick\n1=PICK\n[Pick]\nSort=1\nList=0\n", "used twice"},
        {"second header ignored", "[Main]\nPara=2\n0=Pick\n1=PICK\n[Pick]\nSort=1\nList=0\n[PICK]\nSort=2\n",
         "section \"PICK\" appears again"},
        {"no own section", "[Main]\nPara=1\n0=Lost\n", "\"Lost\" has no section"},
        {"first without group", "[Main]\nPara=1\n0=Free\n[Free]\nSort=4\nList=0\n", "has no group"},
        {"[ in a value", "[Main]\nPara=1\n0=V\n[V]\nSort=1\nList=0\nCaption=a[b\n", "line 7 holds \"[\""},
        {"11 before 1", tangled, "not in ascending order (\"11\" stands before \"1\")"},
        {"11 shadows 1", tangled, "a read of key \"1\" finds the line \"11=P11\""},
        {"key shadowed by a value", "[Main]\nPara=1\n0=V\n[V]\nCaption=Sort=2\nSort=1\nList=0\n",
         "a read of key \"Sort\" finds the line \"Caption=Sort=2\""},
        {"key twice", "[Main]\nPara=1\n0=V\n[V]\nSort=1\nCaption=a,\nValue=a,\nIndex=0\nindex=1\n",
         "key \"index\" appears twice"},
        {"Index past the choices", "[Main]\nPara=1\n0=V\n[V]\nSort=1\nCaption=a,b,\nValue=a,b,\nIndex=2\n",
         "Index 2 is outside its 2 choices"},
        {"negative Index", "[Main]\nPara=1\n0=V\n[V]\nSort=1\nCaption=a,b,\nValue=a,b,\nIndex=-1\n",
         "Index -1 is outside"},
        {"choice list without choices", "[Main]\nPara=1\n0=V\n[V]\nSort=1\n", "Index 0 is outside its 0 choices"},
        {"too few encoder values", "[Main]\nPara=1\n0=V\n[V]\nSort=1\nCaption=a,b,c,\nValue=a,b,c\n",
         "3 choices but only 2 encoder values"},
        {"Video Size in the audio group", SoundProfile(VideoSize("Sort=2\n")), "not in the video group"},
        {"Video Size joins the audio group", "[Main]\nPara=2\n0=A\n1=Video Size\n[A]\nSort=2\nList=0\n" + VideoSize(""),
         "not in the video group"},
        {"Video Size without Custom Size", SoundProfile(VideoSize("Sort=1\n", "Original Size,custom size,")),
         "lacks the choice \"Custom Size\""},
        {"Video Size as free text", SoundProfile("[Video Size]\nSort=1\nList=0\nCaption=Original Size\n"),
         "lacks the choice \"Original Size\""},
    };
    for (const auto& c : cases) {
        const std::string found = Violations(c.text);
        EXPECT_NE(found.find(c.expected), std::string::npos) << c.what << ":\n" << found;
    }
}

TEST_F(ProfileCheck, AMissingFileIsReported)
{
    const std::vector<std::string> found = ProfileConstraintViolations(folder_ + "absent.apf");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NE(found[0].find("absent.apf"), std::string::npos);
    EXPECT_EQ(ProfileConstraintViolations(folder_).size(), 1u);
}

}  // namespace
