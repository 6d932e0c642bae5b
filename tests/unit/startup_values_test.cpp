#include <gtest/gtest.h>

#include "app/StartupValues.h"

TEST(StartupValues, ProgramFolderEndsWithOneSeparator)
{
    EXPECT_EQ(ProgramFolderOf("/opt/tools/lumora"), "/opt/tools/");
    EXPECT_EQ(ProgramFolderOf("/lumora"), "/");
    EXPECT_EQ(EncoderPathOf("/opt/tools/"), "/opt/tools/durodu.dll");
}

TEST(StartupValues, ExtensionsAndPatterns)
{
    const auto extensions = BuildInputExtensions();
    ASSERT_EQ(extensions.size(), 8u);
    EXPECT_EQ(extensions.front(), ".avi");
    EXPECT_EQ(extensions.back(), ".asf");
    EXPECT_EQ(BuildSupportedPatterns({".avi", ".mp4"}), "*.avi;*.mp4;");
}
