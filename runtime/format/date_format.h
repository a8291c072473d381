// Dates: the "format" of a date value, reading texts as dates, and calendar
// fields.
#pragma once
#include "runtime/text.h"

namespace runtime {

// A date written by a pattern of letters, the "format" of a date value.
//
//   d dd          day of the month, without or with a leading zero
//   ddd dddd      weekday: "Sun" or "Sunday"
//   ddddd dddddd  the date: "2026-12-10" or "Thursday, 10 December 2026"
//   m mm          month, or the minute right after an hour field
//   mmm mmmm      month: "Dec" or "December"
//   yy yyyy       year with two or four digits
//   h hh          hour (1-12 when the pattern has an am/pm marker)
//   n nn  s ss    minute, second
//   z zzz         millisecond, without or with leading zeros
//   t tt          the time: "13:05" or "13:05:00"
//   c             the date's text form: "2026-12-10 13:05:00"
//   am/pm a/p     the marker in the pattern's own case; ampm gives AM or PM
//   '...' "..."   text as it stands
//
// Letters count in either case; every other character stands for itself.
// The time is shown to the nearest second, or to the nearest millisecond when
// the pattern has "z".

// Raises an overflow for a date out of range and an error for a quote left open.
Text FormatDateTime(double date, TextView pattern);

// Texts read as dates by "toTime", date literals (@'...') and the "@"
// strings of JSON: the forms that a conversion to Date accepts
// (docs/values.md), with spaces around ignored.

// Raises "Cannot convert Text "..." to Date" for any other text.
double DateFromText(TextView text);

// The calendar fields of a date value (days since 1899-12-30, the time of day
// as the fraction, counted forward from midnight before day 0 too).
struct DateParts {
  int year, month, day;
  int dayOfWeek;  // 0 Sunday .. 6 Saturday
  int hour, minute, second, millisecond;
};

// Rounded to the nearest millisecond, or to the nearest second when
// milliseconds are not shown. False for a date outside 0100-01-01 to
// 9999-12-31.
bool DecodeDate(double date, bool milliseconds, DateParts& out);

}  // namespace runtime
