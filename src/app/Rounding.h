#pragma once
// Round to the nearest whole number, a half to the even neighbour.
long long RoundHalfEven(double value);
