// Test texts are written as UTF-8 or ASCII and become the build's Text.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/codepage.h"
#include "runtime/text.h"

using namespace runtime;

// Invalid UTF-8 becomes U+FFFD in qelu's text; qel's text is the bytes.
inline Text Widen(std::string_view utf8) {
#ifdef QEL_ANSI
  return Text(utf8);
#else
  std::u16string text;
  platform::DecodeCodePage(platform::kCodePageUtf8, utf8, text);
  return text;
#endif
}

inline std::string Narrow(TextView text) {
#ifdef QEL_ANSI
  return std::string(text);
#else
  std::string bytes;
  platform::EncodeCodePage(platform::kCodePageUtf8, text, bytes);
  return bytes;
#endif
}

// One code unit per byte: names, patterns and expectations in ASCII.
inline Text T(std::string_view ascii) { return Text(ascii.begin(), ascii.end()); }

// Inputs large enough to reach a limit.
inline std::string Repeat(std::string_view piece, int times) {
  std::string text;
  if (times > 0) text.reserve(piece.size() * std::size_t(times));
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}
