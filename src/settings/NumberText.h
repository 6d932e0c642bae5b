#pragma once
// Numbers read from stored texts, independent of the user's locale.
#include <optional>
#include <string>

// A 32-bit signed integer: leading blanks, an optional sign, decimal digits
// and nothing after them; nothing when the text doesn't convert or is out of
// range.
std::optional<int> ParseInteger32(const std::string& text);

// Any number the C locale's floating-point conversion accepts as the whole
// text (leading blanks, sign, exponent, hexadecimal, inf and nan included).
std::optional<double> ParseCNumber(const std::string& text);
