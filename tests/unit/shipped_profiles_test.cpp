#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "app/PathText.h"
#include "profiles/ProfileCheck.h"
#include "profiles/ProfileModel.h"

namespace {

const std::string Folder = std::string(LUMORA_DATA_DIR) + "/Profiles/";

std::vector<std::string> ShippedFiles()
{
    std::vector<std::string> files;
    for (const std::string& name : ListFilesByExtension(Folder, ".apf"))
        files.push_back(Folder + name);
    return files;
}

// Every value that can reach the encoder for this parameter.
std::vector<std::string> PossibleValues(const ProfileParameter& parameter)
{
    switch (parameter.Kind()) {
    case ParameterKind::Choice:
        return parameter.EncoderValues();
    case ParameterKind::Fixed:
        return {parameter.Value};
    case ParameterKind::Free:
        return {parameter.Caption};
    }
    return {};
}

bool EncodesVideo(const Profile& profile)
{
    return std::any_of(profile.Parameters.begin(), profile.Parameters.end(), [](const ProfileParameter& parameter) {
        const std::vector<std::string> values = PossibleValues(parameter);
        return parameter.cmd == "-c:v" && std::any_of(values.begin(), values.end(), [](const std::string& value) {
                   return !value.empty() && value != "copy";
               });
    });
}

TEST(ShippedProfiles, AtLeastEightAndAllSound)
{
    const std::vector<std::string> files = ShippedFiles();
    EXPECT_GE(files.size(), 8u);
    for (const std::string& file : files) {
        std::string all;
        for (const std::string& violation : ProfileConstraintViolations(file))
            all += violation + "\n";
        EXPECT_EQ(all, "") << file;
    }
}

TEST(ShippedProfiles, KeepCrLfLineEnds)
{
    for (const std::string& file : ShippedFiles()) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ASSERT_GE(bytes.size(), 2u) << file;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << file;
        for (std::size_t i = bytes.find('\n'); i != std::string::npos; i = bytes.find('\n', i + 1))
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << file << " at byte " << i;
    }
}

// The command line is split at blanks into the encoder's arguments, so an
// encoder value must be one word, and one switch given twice would let the
// encoder honour only one of them.
TEST(ShippedProfiles, EveryValueIsOneArgument)
{
    for (const std::string& file : ShippedFiles()) {
        const Profile profile = ReadProfile(file);
        EXPECT_FALSE(profile.Type.empty()) << file;
        EXPECT_EQ(profile.Type.find_first_of("/. "), std::string::npos) << file;
        std::set<std::string> switches;
        for (const ProfileParameter& parameter : profile.Parameters) {
            const std::string where = file + " / " + parameter.Name;
            ASSERT_FALSE(parameter.cmd.empty()) << where;
            EXPECT_EQ(parameter.cmd.find(' '), std::string::npos) << where;
            EXPECT_TRUE(switches.insert(parameter.cmd).second) << where << " repeats " << parameter.cmd;
            for (const std::string& value : PossibleValues(parameter)) {
                EXPECT_EQ(value.find_first_of(" \t"), std::string::npos) << where << ": '" << value << "'";
                // Switches that take no value carry the "\" mark, never a value.
                if (parameter.cmd == "-vn" || parameter.cmd == "-an") {
                    EXPECT_TRUE(value.empty() || value == "\\") << where;
                }
            }
        }
    }
}

TEST(ShippedProfiles, VideoProfilesOfferOriginalAndCustomSizes)
{
    int videoProfiles = 0;
    for (const std::string& file : ShippedFiles()) {
        const Profile profile = ReadProfile(file);
        if (!EncodesVideo(profile))
            continue;
        ++videoProfiles;
        const auto size = std::find_if(profile.Parameters.begin(), profile.Parameters.end(),
                                       [](const ProfileParameter& parameter) { return parameter.Name == "Video Size"; });
        ASSERT_NE(size, profile.Parameters.end()) << file;
        EXPECT_EQ(size->Sort, GroupVideo) << file;
        EXPECT_EQ(size->cmd, "-s") << file;
        ASSERT_EQ(size->Kind(), ParameterKind::Choice) << file;
        // Neither of these two puts a size on the command line; a typed size goes as it is.
        EXPECT_EQ(EncoderValue(*size, "Original Size"), "") << file;
        EXPECT_EQ(EncoderValue(*size, "Custom Size"), "") << file;
        EXPECT_EQ(EncoderValue(*size, "352x288"), "352x288") << file;
        const std::vector<std::string> choices = size->Choices();
        for (const std::string& choice : choices) {
            if (choice != "Original Size" && choice != "Custom Size") {
                EXPECT_EQ(EncoderValue(*size, choice), choice) << file;
            }
        }
    }
    EXPECT_GE(videoProfiles, 6);
}

TEST(ShippedProfiles, DisplayNamesAreDistinct)
{
    std::set<std::string> names;
    for (const std::string& file : ShippedFiles())
        EXPECT_TRUE(names.insert(LowerAscii(RemoveExtension(ExtractFileName(file)))).second) << file;
}

}  // namespace
