#include "settings/NumberText.h"

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <locale.h>

std::optional<int> ParseInteger32(const std::string& text)
{
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return std::nullopt;
    // from_chars takes no '+', so step over it, but not over a second sign.
    if (text[start] == '+' && start + 1 < text.size() && text[start + 1] != '-')
        ++start;
    const char* const first = text.data() + start;
    const char* const last = text.data() + text.size();
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last)
        return std::nullopt;
    return value;
}

namespace {

locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

} // namespace

std::optional<double> ParseCNumber(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    const double value = strtod_l(text.c_str(), &end, CLocale());
    if (end == text.c_str() || end != text.c_str() + text.size())
        return std::nullopt;
    return value;
}
