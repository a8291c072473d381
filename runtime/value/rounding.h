// Rounding to whole numbers the way OLE converts: half to even.
#pragma once
#include <cstdint>

double RoundHalfEven(double x);
// A currency amount (times 10000) rounded to a whole number.
int64_t RoundCurrency(int64_t scaled);
// False when the rounded value does not fit (NaN and infinities included).
bool DoubleToInt64(double x, int64_t& out);
