// The plain rules behind the batch run: cutting the encoder's text into
// lines, keeping its end, and what a failure and the end of a batch say.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "convert/BatchOutcome.h"
#include "convert/EncoderText.h"

TEST(EncoderText, LinesSurviveAnyCutOfTheReads)
{
    const std::string text = "banner\nsecond\r\nframe=1 time=00:00:01.00 bitrate\rframe=2 time=2.5 x\rtail";
    const std::vector<std::string> whole{"banner\n", "second\r", "frame=1 time=00:00:01.00 bitrate\r",
                                         "frame=2 time=2.5 x\r"};
    for (const std::size_t piece : {std::size_t{1}, std::size_t{2}, std::size_t{7}, text.size()}) {
        LineAssembler lines;
        std::vector<std::string> got;
        for (std::size_t at = 0; at < text.size(); at += piece)
            for (std::string& line : lines.Feed(std::string_view(text).substr(at, piece)))
                got.push_back(std::move(line));
        EXPECT_EQ(got, whole) << "reads of " << piece;
        EXPECT_EQ(lines.Flush(), "tail");
        EXPECT_EQ(lines.Flush(), "");
    }
}

TEST(EncoderText, ALineWithoutAnEndIsGivenOutInBoundedPieces)
{
    LineAssembler lines(4);
    EXPECT_EQ(lines.Feed("abcdefghij"), (std::vector<std::string>{"abcd", "efgh"}));
    EXPECT_EQ(lines.Flush(), "ij");
}

TEST(EncoderText, TheTailKeepsTheLastBytes)
{
    TextTail tail(5);
    tail.Append("abc");
    tail.Append("defg");
    EXPECT_EQ(tail.Text(), "cdefg");
    tail.Append("0123456789");
    EXPECT_EQ(tail.Text(), "56789");
}

TEST(EncoderText, LastLinesSkipBlankLinesAndBothLineEnds)
{
    const struct {
        const char* text;
        int count;
        const char* lines;
    } cases[] = {
        {"a\nb\nc\n", 2, "b\nc"},
        {"a\r\n\r\n  \nb\rc", 2, "b\nc"},
        {"only", 3, "only"},
        {"\n\n", 3, ""},
        {"", 3, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LastLines(c.text, c.count), c.lines) << c.text;
}

TEST(BatchOutcome, FailureAndEndTexts)
{
    EXPECT_EQ(EncoderFailureText(1, false, "x\nError opening input\n"),
              "The encoder ended with code 1.\nx\nError opening input");
    EXPECT_EQ(EncoderFailureText(0, true, ""), "The encoder was ended abnormally.");
    EXPECT_EQ(BatchEndText(0, 3), "The coversion is completed successfully.");
    EXPECT_EQ(BatchEndText(2, 3),
              "The coversion is completed, but 2 of 3 tasks failed. Hover over a task's status to see why.");
}
