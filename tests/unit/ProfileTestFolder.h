#pragma once
// A temporary folder for profile tests, removed with the test.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

class ProfileTestFolder : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "lumora-profiles-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern + "/";
    }

    void TearDown() override { std::filesystem::remove_all(folder_); }

    // Writes text into folder/name with CR LF line ends, as profiles are kept.
    std::string WriteProfile(const std::string& name, const std::string& text) const
    {
        std::string bytes;
        for (char c : text)
            bytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
        const std::string path = folder_ + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string folder_;
};
