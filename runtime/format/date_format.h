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
#pragma once
#include "../text.h"

// Raises an overflow for a date out of range and an error for a quote left open.
Text FormatDateTime(double date, TextView pattern);
