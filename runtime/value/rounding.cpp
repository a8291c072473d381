#include "rounding.h"

#include <cmath>

namespace {
constexpr double kTwoTo52 = 4503599627370496.0;
constexpr double kTwoTo63 = 9223372036854775808.0;
}  // namespace

double RoundHalfEven(double x) {
  if (!(std::fabs(x) < kTwoTo52)) return x;  // already whole, or not finite
  double below = std::floor(x);
  double fraction = x - below;  // exact below 2^52
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

int64_t RoundCurrency(int64_t scaled) {
  int64_t whole = scaled / 10000;
  int64_t rest = scaled % 10000;
  bool odd = whole % 2 != 0;
  if (rest > 5000 || (rest == 5000 && odd)) return whole + 1;
  if (rest < -5000 || (rest == -5000 && odd)) return whole - 1;
  return whole;
}

bool DoubleToInt64(double x, int64_t& out) {
  double r = RoundHalfEven(x);
  if (!(r >= -kTwoTo63 && r < kTwoTo63)) return false;
  out = int64_t(r);
  return true;
}
