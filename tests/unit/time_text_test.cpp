#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "app/Rounding.h"
#include "app/TimeText.h"

namespace {

struct ParseCase {
    const char* text;
    double seconds;
};

TEST(ParseTimeText, ReadsTexts)
{
    const ParseCase cases[] = {
        {"00:00:00.0", 0},      {"00:01:23.45", 83.45}, {"1:2:3", 3723},
        {"0:90:00", 5400},      {"0:0:5.5", 5.5},       {"0:0:5.", 5},
        {"100:00:00", 360000},  {" 1:2:3", 3723},       {"-1:0:0", -3600},
        {"+0:+1:+2", 62},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ParseTimeText(c.text), c.seconds) << c.text;
}

TEST(ParseTimeText, RefusesTexts)
{
    const char* const cases[] = {
        "01:30", "abc", "", "0:0:.5", "0:0:5,5", "1:2:3:4", "1 :2:3", "1:2: 3", "1:2:3 ",
        "0x1:0:0", "1:2:", "::", "1:2:5e1", "1:2:inf", "1:2:nan", "a:2:3", "99999999999:0:0", "0:0:--1",
    };
    for (const char* text : cases)
        EXPECT_EQ(ParseTimeText(text), -1) << text;
}

struct FormatCase {
    double seconds;
    const char* text;
};

TEST(FormatTimeText, WritesTexts)
{
    const FormatCase cases[] = {
        {0, "00:00:00"},         {83.5, "00:01:23.5"},    {83.45, "00:01:23.4"},
        {62.97, "00:01:03"},     {59.96, "00:01:00"},     {3725, "01:02:05"},
        {360000, "100:00:00"},   {0.05, "00:00:00"},      {0.15, "00:00:00.2"},
        {0.25, "00:00:00.2"},    {86399.95, "24:00:00"},  {-5, "00:00:00"},
        {-0.04, "00:00:00"},     {NAN, "00:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatTimeText(c.seconds), c.text) << c.seconds;
}

TEST(FormatTimeText, ReadsBackToTheTenth)
{
    for (double seconds : {0.0, 0.1, 9.9, 59.9, 83.5, 3599.9, 3725.3, 360000.7}) {
        const double back = ParseTimeText(FormatTimeText(seconds));
        EXPECT_NEAR(back, seconds, 1e-9) << seconds;
    }
}

// Texts keep '.' as the decimal point whatever the user's locale says.
TEST(TimeText, IgnoresACommaLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"};
    bool switched = false;
    for (const char* name : commaLocales)
        if (std::setlocale(LC_ALL, name)) {
            switched = true;
            break;
        }
    if (!switched)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const double read = ParseTimeText("0:0:5.5");
    const double comma = ParseTimeText("0:0:5,5");
    const std::string written = FormatTimeText(83.5);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(read, 5.5);
    EXPECT_EQ(comma, -1);
    EXPECT_EQ(written, "00:01:23.5");
}

TEST(RoundHalfEven, RoundsHalvesToEven)
{
    const struct {
        double value;
        long long rounded;
    } cases[] = {
        {0.5, 0},   {1.5, 2},     {2.5, 2},   {-0.5, 0},  {-1.5, -2}, {2.4999999999999996, 2},
        {2.6, 3},   {-2.6, -3},   {834.5, 834}, {835.5, 836}, {4503599627370497.0, 4503599627370497LL},
        {NAN, 0},   {1e300, std::numeric_limits<long long>::max()},
        {-1e300, std::numeric_limits<long long>::min()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

} // namespace
