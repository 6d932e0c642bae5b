#include "app/Rounding.h"

#include <cmath>
#include <limits>

long long RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    // floor and the difference below are exact in binary floating point, so
    // the result does not depend on the current rounding mode.
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (whole >= limit)
        return std::numeric_limits<long long>::max();
    if (whole < -limit)
        return std::numeric_limits<long long>::min();
    return static_cast<long long>(whole);
}
