// Engines over texts written in UTF-8 and the walk through their matches,
// shared by the regex tests of both builds.
#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/error.h"
#include "runtime/regex/engine_text.h"
#include "runtime/regex/regex.h"
#include "runtime/regex/regex_options.h"
#include "support/error_of.h"
#include "support/text_util.h"

using namespace runtime;

using namespace regex_option;

#ifdef QEL_ANSI
inline constexpr bool kUtf16Build = false;
#else
inline constexpr bool kUtf16Build = true;
#endif

inline void Prepare(CRegex& engine, std::string_view pattern, std::string_view subject, uint8_t options = 0) {
  engine.SetOptions(options);
  engine.SetPatternText(Widen(pattern));
  engine.SetSubjectText(Widen(subject));
}

struct Found {
  int32_t pos;
  int32_t length;
  std::string text;
  bool operator==(const Found&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Found& found) {
  return out << "{" << found.pos << "," << found.length << ",\"" << found.text << "\"}";
}

// Every match in byte or Text positions; the limit turns a walk that never
// ends into a failure.
inline std::vector<Found> Walk(CRegex& engine, bool textPositions = false, int limit = 64) {
  std::vector<Found> found;
  while (limit-- > 0 && engine.MatchNext()) {
    if (textPositions) found.push_back({engine.TextMatchPos(), engine.TextMatchLength(), engine.Group(0)});
    else found.push_back({engine.MatchPos(), engine.MatchLength(), engine.Group(0)});
  }
  return found;
}

// The text of the next match; nullopt when there is none.
inline std::optional<std::string> NextMatch(CRegex& engine) {
  return engine.MatchNext() ? std::optional<std::string>(engine.Group(0)) : std::nullopt;
}

inline std::optional<std::string> Expected(const char* match) {
  return match ? std::optional<std::string>(match) : std::nullopt;
}
