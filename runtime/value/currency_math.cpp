#include "currency_math.h"

#include "rounding.h"

namespace {
constexpr int64_t kScale = 10000;
}

bool IntegerToCurrency(int64_t i, int64_t& out) { return !__builtin_mul_overflow(i, kScale, &out); }

// a * b / 10000 = aWhole * b + aRest * bWhole + aRest * bRest / 10000, where
// only the last term has a fraction; rounding it half to even must respect
// the parity of the whole part.
bool MultiplyCurrencies(int64_t a, int64_t b, int64_t& out) {
  int64_t product = 0;
  if (!__builtin_mul_overflow(a, b, &product)) {
    out = RoundCurrency(product);
    return true;
  }
  int64_t aWhole = a / kScale, aRest = a % kScale, bWhole = b / kScale, bRest = b % kScale;
  int64_t whole = 0;
  if (__builtin_mul_overflow(aWhole, b, &whole) || __builtin_add_overflow(whole, aRest * bWhole, &whole)) return false;
  int64_t odd = whole % 2 != 0 ? 1 : 0;
  return !__builtin_add_overflow(whole, RoundCurrency(aRest * bRest + odd * kScale) - odd, &out);
}
