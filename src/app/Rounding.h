#pragma once
// Round to the nearest whole number, a half to the even neighbour.
// Exact for every double and independent of the floating-point rounding
// mode; NaN gives 0 and values beyond the range of long long are clamped.
long long RoundHalfEven(double value);
