#pragma once
// Time texts "hours:minutes:seconds[.t]", read and written independently of
// the locale ('.' is always the decimal point).
#include <string>

// Seconds, or -1 when the text does not read.
double ParseTimeText(const std::string& text);
// Rounds to tenths (a half goes to the even neighbour); the tenths digit is
// written only when it is not 0.
std::string FormatTimeText(double seconds);
