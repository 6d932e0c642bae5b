#include "app/TimeText.h"

#include <cctype>
#include <charconv>
#include <optional>

#include "app/Rounding.h"
#include "settings/NumberText.h"

namespace {

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Sign, digits, then optionally '.' and more digits; from_chars reads it
// without looking at the locale.
std::optional<double> ParseSeconds(const std::string& text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t digits = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    if (i == digits)
        return std::nullopt;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
    }
    if (i != text.size())
        return std::nullopt;
    const std::size_t numberStart = text[0] == '+' ? 1 : 0;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data() + numberStart, text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string TwoDigits(long long value)
{
    std::string digits = std::to_string(value);
    return value < 10 ? "0" + digits : digits;
}

} // namespace

double ParseTimeText(const std::string& text)
{
    const std::size_t first = text.find(':');
    if (first == std::string::npos)
        return -1;
    const std::size_t second = text.find(':', first + 1);
    if (second == std::string::npos)
        return -1;
    const auto hours = ParseInteger32(text.substr(0, first));
    const auto minutes = ParseInteger32(text.substr(first + 1, second - first - 1));
    const auto seconds = ParseSeconds(text.substr(second + 1));
    if (!hours || !minutes || !seconds)
        return -1;
    return *hours * 3600.0 + *minutes * 60.0 + *seconds;
}

std::string FormatTimeText(double seconds)
{
    if (!(seconds > 0))
        seconds = 0;
    const long long tenths = RoundHalfEven(seconds * 10);
    const long long whole = tenths / 10;
    const long long tenth = tenths % 10;
    const long long hours = whole / 3600;
    const long long minutes = whole % 3600 / 60;
    std::string text = TwoDigits(hours) + ":" + TwoDigits(minutes) + ":" + TwoDigits(whole % 60);
    if (tenth != 0)
        text += "." + std::to_string(tenth);
    return text;
}
