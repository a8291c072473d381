// Helpers of the formatter tests: a formatted text checked against the
// expected ASCII text or the exact message it raises.
#pragma once
#include <string>
#include <string_view>

#include "support/text_util.h"
#include "support/value_makers.h"

using namespace runtime;

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
