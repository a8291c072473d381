// Helpers of the formatter tests: a formatted text checked against the
// expected ASCII text or the exact message it raises.
#pragma once
#include <string>
#include <string_view>

#include "value_fixtures.h"

inline Text T(std::string_view ascii) { return Text(ascii.begin(), ascii.end()); }

template <class F>
void ExpectFormatted(F format, const char* want, const char* error, const std::string& label) {
  ExpectOutcome(
      [&] {
        Value text;
        text.SetText(format());
        return text;
      },
      want ? Txt(want) : Value(), error, label);
}
