#include "date_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

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
