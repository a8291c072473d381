// The floating directives of text patterns, in ASCII. A number that rounds
// to zero loses its sign; NaN and infinities are "NaN", "INF" and "-INF".
#pragma once
#include <string>

#include "decimal.h"

// "-1234.50": decimals digits after the point, with "," between thousands
// when grouped.
std::string FixedText(Decimal d, int decimals, bool grouped);
// "-1.2345E+003": digits significant digits, the exponent with a sign and
// at least three digits.
std::string ScientificText(Decimal d, int digits);
// At most digits significant digits without trailing zeros, in exponent form
// ("1.5E-7", "1E+15") when the number is below 0.00001 or has more whole
// digits than that.
std::string GeneralText(Decimal d, int digits);
