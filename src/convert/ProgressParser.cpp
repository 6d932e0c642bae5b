#include "convert/ProgressParser.h"

#include "app/Rounding.h"

#include <charconv>
#include <string>
#include <vector>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits with at most one '.', at least one digit: from_chars alone would
// also take "inf", "nan" and exponents, which the encoder never prints here.
bool IsPlainDecimal(std::string_view text)
{
    bool digit = false;
    bool point = false;
    for (char c : text) {
        if (IsDigit(c))
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

std::optional<double> ReadDecimal(std::string_view text)
{
    if (!IsPlainDecimal(text))
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "12.5" or "00:00:12.50" (also "1:02:03"); a leading sign for either.
std::optional<double> ReadSeconds(std::string_view text)
{
    double sign = 1;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        sign = text.front() == '-' ? -1 : 1;
        text.remove_prefix(1);
    }
    std::vector<std::string_view> parts;
    for (std::size_t colon; (colon = text.find(':')) != std::string_view::npos;) {
        parts.push_back(text.substr(0, colon));
        text.remove_prefix(colon + 1);
    }
    parts.push_back(text);
    if (parts.size() != 1 && parts.size() != 3)
        return std::nullopt;
    double seconds = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        // Hours and minutes are whole numbers; only the seconds carry a fraction.
        if (!last && parts[i].find('.') != std::string_view::npos)
            return std::nullopt;
        const auto value = ReadDecimal(parts[i]);
        if (!value)
            return std::nullopt;
        seconds = seconds * 60 + *value;
    }
    return sign * seconds;
}

}  // namespace

std::optional<double> ParseProgressTime(std::string_view chunk)
{
    const std::size_t time = chunk.find("time");
    if (time == std::string_view::npos)
        return std::nullopt;
    // Past "time" and the character after it (normally '=').
    const std::size_t start = time + 5;
    if (start > chunk.size())
        return std::nullopt;
    const std::size_t blank = chunk.find(' ', start);
    if (blank == std::string_view::npos)
        return std::nullopt;
    return ReadSeconds(chunk.substr(start, blank - start));
}

std::optional<int> BarPosition(double part, double whole)
{
    if (whole == 0)
        return std::nullopt;
    const double percent = part / whole * 100;
    // Checked before rounding so huge values never reach the integer conversion.
    if (!(percent > -1 && percent < 65536))
        return std::nullopt;
    const long long position = RoundHalfEven(percent);
    if (position < 0 || position > 65535)
        return std::nullopt;
    return position > 100 ? 100 : static_cast<int>(position);
}

void ProgressState::StartRun(double totalSeconds)
{
    *this = ProgressState();
    totalSeconds_ = totalSeconds;
}

void ProgressState::StartTask(double taskSeconds)
{
    taskSeconds_ = taskSeconds;
    currentSeconds_ = 0;
    chunkCount_ = 0;
}

void ProgressState::CompleteTask()
{
    doneSeconds_ += taskSeconds_;
}

bool ProgressState::FeedChunk(std::string_view chunk)
{
    if (chunkCount_ < SkippedChunks) {
        ++chunkCount_;
        return false;
    }
    if (const auto seconds = ParseProgressTime(chunk); seconds && *seconds > currentSeconds_)
        currentSeconds_ = *seconds;  // never goes back within a task

    // A bar that is not moved keeps its position; a refused position stops the
    // work on this chunk, so the total bar stays as well.
    if (taskSeconds_ != 0) {
        const auto current = BarPosition(currentSeconds_, taskSeconds_);
        if (!current)
            return true;
        currentBar_ = *current;
    }
    if (totalSeconds_ != 0) {
        if (const auto total = BarPosition(doneSeconds_ + currentSeconds_, totalSeconds_))
            totalBar_ = *total;
    }
    return true;
}

std::optional<long long> RemainingSeconds(long long elapsedSeconds, int totalPercent)
{
    if (totalPercent <= 0)
        return std::nullopt;
    const double elapsed = static_cast<double>(elapsedSeconds);
    // elapsed / (p / 100) - elapsed, without the inexact p / 100 step, so a
    // true half (1 s at 40%) stays a half for the rounding.
    return RoundHalfEven(elapsed * 100.0 / totalPercent - elapsed);
}
