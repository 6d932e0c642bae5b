#pragma once
// The encoder's text as it arrives: cut into whole lines for the progress
// parser, and its end kept so a failure can be explained.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Cuts text that arrives in reads of any size into lines, so a progress line
// split over several reads still counts as one. A line ends at "\r" (the
// encoder's progress lines) or "\n"; the end is kept with the line and empty
// lines are dropped. A line that grows past maxLine without an end is given
// out in pieces of that size, so memory stays bounded.
class LineAssembler {
public:
    explicit LineAssembler(std::size_t maxLine = 4095) : maxLine_(maxLine) {}
    std::vector<std::string> Feed(std::string_view bytes);
    // The text after the last line end (the encoder has ended); empty after.
    std::string Flush();
    void Clear() { pending_.clear(); }

private:
    std::size_t maxLine_;
    std::string pending_;
};

// The end of a text that arrives in pieces: at most `limit` bytes are kept,
// enough for the encoder's last lines without holding a whole run's output.
class TextTail {
public:
    explicit TextTail(std::size_t limit = 16384) : limit_(limit) {}
    void Append(std::string_view piece);
    void Clear() { text_.clear(); }
    const std::string& Text() const { return text_; }

private:
    std::size_t limit_;
    std::string text_;
};

// The last `count` lines of a text that hold more than blanks, joined with
// "\n". Lines end at "\n" or "\r".
std::string LastLines(std::string_view text, int count);
