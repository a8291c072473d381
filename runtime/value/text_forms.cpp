#include "runtime/value/text_forms.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "runtime/value/text_access.h"
#include "runtime/value/value.h"

namespace runtime {

namespace {

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(std::string_view s, size_t i) {
  while (i < s.size() && IsDecimalDigit(s[i])) ++i;
  return i;
}

// Decimal power of the first non-zero digit: above 0 a range error is an
// overflow, below it an underflow.
int64_t LeadingPower(std::string_view s) {
  size_t i = s[0] == '+' || s[0] == '-' ? 1 : 0;
  size_t intEnd = SkipDigits(s, i);
  int64_t power = int64_t(intEnd - i) - 1;
  for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
    if (s[i] == '.') continue;
    if (s[i] != '0') break;
    --power;
  }
  size_t e = s.find_first_of("eE");
  if (e == std::string_view::npos) return power;
  bool negative = s[e + 1] == '-';
  int64_t exponent = 0;
  for (size_t k = e + 1; k < s.size(); ++k)
    if (IsDecimalDigit(s[k]) && exponent < 100000) exponent = exponent * 10 + (s[k] - '0');
  return power + (negative ? -exponent : exponent);
}

bool ParseInteger(std::string_view s, Number& out) {
  if (s[0] == '+') s.remove_prefix(1);
  int64_t v = 0;
  auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (error != std::errc() || end != s.data() + s.size()) return false;
  out = Number::Int(v);
  return true;
}

NumberParse ParseFloating(std::string_view s, Number& out) {
  std::string_view digits = s[0] == '+' ? s.substr(1) : s;
  double v = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
  if (error == std::errc::result_out_of_range) {
    if (LeadingPower(s) > 0) return NumberParse::kOverflow;
    v = s[0] == '-' ? -0.0 : 0.0;
  } else if (error != std::errc() || end != digits.data() + digits.size()) {
    return NumberParse::kNotNumber;
  }
  out = Number::Double(v);
  return NumberParse::kOk;
}

// Lays out "-d.ddde+XX" (as to_chars writes it) in the fixed form.
std::string Layout(std::string_view scientific) {
  bool negative = scientific[0] == '-';
  size_t e = scientific.find('e');
  std::string digits;
  for (char c : scientific.substr(0, e))
    if (IsDecimalDigit(c)) digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string_view exponentText = scientific.substr(e + 1);
  if (exponentText[0] == '+') exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  std::string out = negative ? "-" : "";
  if (exponent < -5 || exponent >= 15) {
    out += digits[0];
    if (digits.size() > 1) out.append(".").append(digits, 1);
    return out + (exponent < 0 ? "E-" : "E+") + std::to_string(std::abs(exponent));
  }
  if (exponent < 0) return out + "0." + std::string(size_t(-exponent - 1), '0') + digits;
  size_t whole = size_t(exponent) + 1;
  if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
  return out + digits.substr(0, whole) + "." + digits.substr(whole);
}

size_t MantissaDigits(std::string_view scientific) {
  size_t n = 0;
  for (char c : scientific.substr(0, scientific.find('e'))) n += IsDecimalDigit(c);
  return n;
}

template <class F>
std::string FormatFloating(F x, int maxDigits) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
  if (x == 0) return "0";
  char buffer[64];
  auto r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific);
  if (MantissaDigits({buffer, r.ptr}) > size_t(maxDigits))
    r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, maxDigits - 1);
  return Layout({buffer, r.ptr});
}

}  // namespace

NumberParse ParseNumber(std::string_view s, Number& out) {
  size_t i = !s.empty() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
  size_t intEnd = SkipDigits(s, i);
  size_t digitCount = intEnd - i;
  i = intEnd;
  bool point = i < s.size() && s[i] == '.';
  if (point) {
    size_t fractionEnd = SkipDigits(s, i + 1);
    digitCount += fractionEnd - i - 1;
    i = fractionEnd;
  }
  if (digitCount == 0) return NumberParse::kNotNumber;
  bool exponent = i < s.size() && (s[i] == 'e' || s[i] == 'E');
  if (exponent) {
    size_t start = i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-') ? i + 2 : i + 1;
    i = SkipDigits(s, start);
    if (i == start) return NumberParse::kNotNumber;
  }
  if (i != s.size()) return NumberParse::kNotNumber;
  if (!point && !exponent && ParseInteger(s, out)) return NumberParse::kOk;
  return ParseFloating(s, out);
}

std::string FormatDouble(double x) { return FormatFloating(x, 15); }

std::string FormatSingle(float x) { return FormatFloating(x, 7); }

std::string FormatCurrency(int64_t scaled) {
  uint64_t magnitude = scaled < 0 ? 0 - uint64_t(scaled) : uint64_t(scaled);
  std::string out = scaled < 0 ? "-" : "";
  out += std::to_string(magnitude / 10000);
  std::string fraction = std::to_string(magnitude % 10000 + 10000).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  return fraction.empty() ? out : out + "." + fraction;
}

std::string NumberValueText(const Value& v) {
  switch (v.Type()) {
    case varSmallint: return std::to_string(v.AsInt16Raw());
    case varInteger: return std::to_string(v.AsInt32Raw());
    case varShortInt: return std::to_string(v.AsInt8Raw());
    case varByte: return std::to_string(v.AsUInt8Raw());
    case varWord: return std::to_string(v.AsUInt16Raw());
    case varLongWord: return std::to_string(v.AsUInt32Raw());
    case varInt64: return std::to_string(v.AsInt64Raw());
    case varUInt64: return std::to_string(v.AsUInt64Raw());
    case varSingle: return FormatSingle(v.AsSingleRaw());
    case varDouble:
    case varDate: return FormatDouble(v.AsDoubleRaw());
    case varCurrency: return FormatCurrency(v.AsCurrencyRaw());
    default: return "";
  }
}

namespace {

constexpr int64_t kSecondsPerDay = 86400;
// Day 0 of a date value, counted from 1970-01-01.
constexpr int64_t kDayZero = -25569;
// 9999-12-31.
constexpr int64_t kLastDay = 2958465;

struct CivilDate {
  int64_t year;
  int month;
  int day;
};

// Days since 1970-01-01 of a proleptic Gregorian date, in 400-year eras.
int64_t DaysFromCivil(CivilDate c) {
  int64_t y = c.year - (c.month <= 2);
  int64_t era = (y >= 0 ? y : y - 399) / 400;
  int64_t yearOfEra = y - era * 400;
  int64_t dayOfYear = (153 * (c.month > 2 ? c.month - 3 : c.month + 9) + 2) / 5 + c.day - 1;
  int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilFromDays(int64_t days) {
  days += 719468;
  int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  int64_t dayOfEra = days - era * 146097;
  int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  int month = int(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  int day = int(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  return {yearOfEra + era * 400 + (month <= 2), month, day};
}

int DaysInMonth(int64_t year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// Reads minDigits..maxDigits decimal digits at i.
bool ReadField(std::string_view s, size_t& i, size_t minDigits, size_t maxDigits, int& value) {
  size_t start = i;
  value = 0;
  while (i < s.size() && i - start < maxDigits && s[i] >= '0' && s[i] <= '9') value = value * 10 + (s[i++] - '0');
  return i - start >= minDigits;
}

bool Expect(std::string_view s, size_t& i, char c) {
  if (i >= s.size() || s[i] != c) return false;
  ++i;
  return true;
}

bool ReadDay(std::string_view s, size_t& i, double& day) {
  int year = 0, month = 0, dayOfMonth = 0;
  if (!ReadField(s, i, 4, 4, year) || !Expect(s, i, '-') || !ReadField(s, i, 1, 2, month) || !Expect(s, i, '-') ||
      !ReadField(s, i, 1, 2, dayOfMonth))
    return false;
  if (year < 100 || month < 1 || month > 12 || dayOfMonth < 1 || dayOfMonth > DaysInMonth(year, month)) return false;
  day = double(DaysFromCivil({year, month, dayOfMonth}) - kDayZero);
  return true;
}

bool ReadTime(std::string_view s, size_t& i, double& time) {
  int hour = 0, minute = 0, second = 0;
  if (!ReadField(s, i, 1, 2, hour) || !Expect(s, i, ':') || !ReadField(s, i, 2, 2, minute)) return false;
  if (Expect(s, i, ':') && !ReadField(s, i, 2, 2, second)) return false;
  double fraction = 0;
  if (Expect(s, i, '.')) {
    size_t start = i;
    for (double unit = 0.1; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, unit /= 10) fraction += (s[i] - '0') * unit;
    if (i == start) return false;
  }
  if (hour > 23 || minute > 59 || second > 59) return false;
  time = (hour * 3600 + minute * 60 + second + fraction) / kSecondsPerDay;
  return true;
}

bool SkipDateTimeSeparator(std::string_view s, size_t& i) {
  if (Expect(s, i, 'T')) return true;
  size_t start = i;
  while (i < s.size() && s[i] == ' ') ++i;
  return i > start;
}

}  // namespace

bool ParseDate(std::string_view s, double& out) {
  size_t i = 0;
  double day = 0;
  double time = 0;
  bool dated = s.size() > 4 && s[4] == '-';
  if (dated && !ReadDay(s, i, day)) return false;
  bool timed = !dated || i < s.size();
  if (dated && timed && !SkipDateTimeSeparator(s, i)) return false;
  if (timed && !ReadTime(s, i, time)) return false;
  if (i != s.size()) return false;
  out = day < 0 ? day - time : day + time;
  // A fraction of a second too close to midnight for a double stays in its
  // own day, so 9999-12-31 23:59:59.9999999999 is still a date.
  const double nextDay = day < 0 ? day - 1 : day + 1;
  if (day < 0 ? out <= nextDay : out >= nextDay) out = std::nextafter(nextDay, day);
  return true;
}

bool FormatDate(double date, std::string& out) {
  if (!IsValidDate(date)) return false;
  double dayPart = std::trunc(date);
  int64_t day = int64_t(dayPart);
  int64_t seconds = int64_t(std::round(std::fabs(date - dayPart) * kSecondsPerDay));
  // Rounding up to the next midnight may not step past the last day: there
  // the time stays at 23:59:59, which reads back.
  if (seconds == kSecondsPerDay && day == kLastDay) {
    seconds = kSecondsPerDay - 1;
  } else if (seconds == kSecondsPerDay) {
    seconds = 0;
    ++day;
  }
  char buffer[48];
  out.clear();
  if (day != 0) {
    CivilDate c = CivilFromDays(day + kDayZero);
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", int(c.year), c.month, c.day);
    out = buffer;
  }
  if (seconds != 0 || day == 0) {
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", int(seconds / 3600), int(seconds / 60 % 60),
                  int(seconds % 60));
    out += out.empty() ? buffer : std::string(" ") + buffer;
  }
  return true;
}

namespace {

constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

std::optional<bool> BoolOfWord(std::string_view word) {
  for (std::string_view w : kTrueWords)
    if (SameWord(word, w)) return true;
  for (std::string_view w : kFalseWords)
    if (SameWord(word, w)) return false;
  return std::nullopt;
}

}  // namespace

std::optional<bool> BoolOfText(const Value& text) {
  return VisitText(text, [](auto view) -> std::optional<bool> {
    std::string word;
    if (TextToken(view, kLetters, word)) {
      if (auto b = BoolOfWord(word)) return b;
    }
    Number n;
    switch (ParseNumberText(view, n)) {
      case NumberParse::kOk: return NumberToDouble(n) != 0;
      case NumberParse::kOverflow: return true;
      default: return std::nullopt;
    }
  });
}

}  // namespace runtime
