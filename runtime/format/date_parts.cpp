#include "date_parts.h"

#include <cmath>
#include <cstdint>

#include "../value/text_forms.h"

namespace {

constexpr int64_t kMillisecondsPerDay = 86400000;
// Day 0 of a date value is a Saturday.
constexpr int kDayZeroWeekday = 6;

// Proleptic Gregorian calendar from days since 0000-03-01, in 400-year eras.
void CivilFromDays(int64_t days, DateParts& out) {
  days += 693899;  // day 0 (1899-12-30) counted from 0000-03-01
  int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  int64_t dayOfEra = days - era * 146097;
  int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  out.month = int(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  out.day = int(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  out.year = int(yearOfEra + era * 400 + (out.month <= 2));
}

}  // namespace

bool DecodeDate(double date, bool milliseconds, DateParts& out) {
  if (!IsValidDate(date)) return false;
  double dayPart = std::trunc(date);
  int64_t day = int64_t(dayPart);
  int64_t unit = milliseconds ? 1 : 1000;
  int64_t ms = int64_t(std::round(std::fabs(date - dayPart) * double(kMillisecondsPerDay / unit))) * unit;
  if (ms == kMillisecondsPerDay) {
    ms = 0;
    ++day;
  }
  CivilFromDays(day, out);
  out.dayOfWeek = int(((day + kDayZeroWeekday) % 7 + 7) % 7);
  out.hour = int(ms / 3600000);
  out.minute = int(ms / 60000 % 60);
  out.second = int(ms / 1000 % 60);
  out.millisecond = int(ms % 1000);
  return true;
}
