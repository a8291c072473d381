// Exact currency arithmetic on amounts times 10000; false on overflow.
#pragma once
#include <cstdint>

// The product rounded half to even to four decimals.
bool MultiplyCurrencies(int64_t a, int64_t b, int64_t& out);
bool IntegerToCurrency(int64_t i, int64_t& out);
