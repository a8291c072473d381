// Dates (days since 1899-12-30, the time of day as the fraction) to and from
// their fixed text forms.
#pragma once
#include <string>
#include <string_view>

#include "text_token.h"

// 0100-01-01 00:00:00 up to 9999-12-31 23:59:59.
inline bool IsValidDate(double date) { return date > -657435.0 && date < 2958466.0; }

// "2026-12-10 13:05:00" to the nearest second; "2026-12-10" when the time is
// 0, "13:05:00" when the day is 0. False for a date out of range.
bool FormatDate(double date, std::string& out);

// "YYYY-M-D", optionally followed by a space or "T" and a time; or a time
// alone: "h:mm", "h:mm:ss" or "h:mm:ss.fff".
bool ParseDate(std::string_view ascii, double& out);

template <class C>
bool ParseDateText(std::basic_string_view<C> text, double& out) {
  std::string token;
  return TextToken(text, "0123456789-:. T", token) && ParseDate(token, out);
}
