#pragma once
// Time texts "hours:minutes:seconds[.t]", read and written independently of
// the locale ('.' is always the decimal point).
#include <string>

// Seconds, or -1 when the text does not read. Hours and minutes are whole
// numbers (leading blanks and a sign allowed, nothing after the digits); the
// seconds are digits with an optional sign before them and an optional
// '.' fraction after them (no blanks, no exponent, not beginning with '.').
double ParseTimeText(const std::string& text);
// Rounds to tenths (a half goes to the even neighbour); the tenths digit is
// written only when it is not 0. Negative values and NaN are written as
// "00:00:00" (a time text has no sign).
std::string FormatTimeText(double seconds);
