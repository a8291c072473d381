// The calendar fields of a date value (days since 1899-12-30, the time of day
// as the fraction, counted forward from midnight before day 0 too).
#pragma once

struct DateParts {
  int year, month, day;
  int dayOfWeek;  // 0 Sunday .. 6 Saturday
  int hour, minute, second, millisecond;
};

// Rounded to the nearest millisecond, or to the nearest second when
// milliseconds are not shown. False for a date outside 0100-01-01 to
// 9999-12-31.
bool DecodeDate(double date, bool milliseconds, DateParts& out);
