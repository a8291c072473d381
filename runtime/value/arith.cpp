#include "runtime/value/arith.h"

#include <cmath>

#include "runtime/error.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"
#include "runtime/value/text_forms.h"

namespace runtime {

namespace {

// Integers stay Int32 unless an operand was 64-bit or the result needs it.
void SetInteger(Value& out, int64_t r, bool wide) {
  if (!wide && r == int32_t(r))
    out.SetInt(int32_t(r));
  else
    out.SetInt64(r);
}

// An infinity or NaN made from finite operands is an error, as with the
// floating-point unit's default exceptions.
void SetFloating(Value& out, double r, double x, double y, bool date) {
  if (!std::isfinite(r) && std::isfinite(x) && std::isfinite(y))
    RaiseError(std::isnan(r) ? QT("Invalid floating point operation") : QT("Floating point overflow"));
  out.SetDouble(r);
  if (!date) return;
  if (!IsValidDate(r)) RaiseOverflow(out, varDate);
  out.SetDate(r);
}

double ApplyDouble(double x, double y, char op) {
  if (op == '+') return x + y;
  return op == '-' ? x - y : x * y;
}

bool ApplyInteger(int64_t x, int64_t y, char op, int64_t& r) {
  if (op == '+') return !__builtin_add_overflow(x, y, &r);
  if (op == '-') return !__builtin_sub_overflow(x, y, &r);
  return !__builtin_mul_overflow(x, y, &r);
}

bool ApplyCurrency(const Number& x, const Number& y, char op, int64_t& r) {
  if (op == '*' && x.kind != y.kind) return !__builtin_mul_overflow(x.i, y.i, &r);
  if (op == '*') return MultiplyCurrencies(x.i, y.i, r);
  int64_t sx = x.i, sy = y.i;
  if ((x.kind == Number::kInt && !IntegerToCurrency(x.i, sx)) || (y.kind == Number::kInt && !IntegerToCurrency(y.i, sy)))
    return false;
  return ApplyInteger(sx, sy, op, r);
}

// "+", "-" and "*"; a result too large for its type widens to Double.
void Combine(Value& out, const Number& x, const Number& y, char op) {
  double xd = NumberToDouble(x), yd = NumberToDouble(y);
  if (x.date || y.date) {
    bool date = op == '+' || (op == '-' && !(x.date && y.date));
    return SetFloating(out, ApplyDouble(xd, yd, op), xd, yd, date);
  }
  int64_t r = 0;
  if (x.kind == Number::kDouble || y.kind == Number::kDouble) return SetFloating(out, ApplyDouble(xd, yd, op), xd, yd, false);
  if (x.kind == Number::kCurrency || y.kind == Number::kCurrency) {
    if (ApplyCurrency(x, y, op, r)) return out.SetCurrency(r);
  } else if (ApplyInteger(x.i, y.i, op, r)) {
    return SetInteger(out, r, x.wide || y.wide);
  }
  SetFloating(out, ApplyDouble(xd, yd, op), xd, yd, false);
}

void Divide(Value& out, const Number& x, const Number& y) {
  double xd = NumberToDouble(x), yd = NumberToDouble(y);
  if (yd == 0 && (xd == 0 || std::isnan(xd))) RaiseError(QT("Invalid floating point operation"));
  if (yd == 0) RaiseError(QT("Floating point division by zero"));
  SetFloating(out, xd / yd, xd, yd, false);
}

// "div" truncates and "mod" takes the dividend's sign, after rounding
// non-integer operands to whole numbers.
void IntegerDivide(Value& out, const Number& x, const Number& y, char op, const Value& left, const Value& right) {
  int64_t a = ToWholeNumber(x, left, varInt64), b = ToWholeNumber(y, right, varInt64);
  if (b == 0) RaiseError(QT("Division by zero"));
  bool wide = x.wide || y.wide;
  if (b == -1) {
    if (op == 'm') return SetInteger(out, 0, wide);
    if (a == INT64_MIN) return out.SetDouble(-double(a));
  }
  SetInteger(out, op == 'd' ? a / b : a % b, wide);
}

bool Concatenates(const Value& left, const Value& right) {
  bool textLeft = IsStringType(left.Type()), textRight = IsStringType(right.Type());
  return (textLeft && (textRight || right.IsEmpty())) || (textRight && left.IsEmpty());
}

}  // namespace

void ValueArith(Value& left, const Value& right, char op) {
  if (left.Type() == varNull || right.Type() == varNull) return left.SetNull();
  if (op == '+' && Concatenates(left, right)) return ValueConcat(left, right);
  Number x = ToNumber(left, varDouble), y = ToNumber(right, varDouble);
  Value result;
  switch (op) {
    case '+':
    case '-':
    case '*': Combine(result, x, y, op); break;
    case '/': Divide(result, x, y); break;
    case 'd':
    case 'm': IntegerDivide(result, x, y, op, left, right); break;
    default: RaiseError(QT("Unknown arithmetic operator"));
  }
  left = std::move(result);
}

void ValueConcat(Value& left, const Value& right) {
  Text leftBuffer, rightBuffer;
  if (&left != &right && left.OwnsText()) return left.AppendOwnText(BuildTextView(right, rightBuffer));
  // The left operand is converted first, so a failure names it as before.
  const TextView head = BuildTextView(left, leftBuffer);
  left.AdoptText(BuildTextRep::Join(head, BuildTextView(right, rightBuffer)));
}

void AppendText(Value& text, TextView tail) {
  if (text.OwnsText()) return text.AppendOwnText(tail);
  Text buffer;
  text.AdoptText(BuildTextRep::Join(BuildTextView(text, buffer), tail));
}

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

}  // namespace runtime
