// The option byte of a regular expression and the execution flags of a search.
#pragma once
#include <cstdint>

namespace regex_option {
inline constexpr uint8_t kCaseless = 0x01;
inline constexpr uint8_t kMultiline = 0x02;
inline constexpr uint8_t kDotAll = 0x04;
inline constexpr uint8_t kExtended = 0x08;
inline constexpr uint8_t kAnchored = 0x10;
inline constexpr uint8_t kUngreedy = 0x20;
inline constexpr uint8_t kNoAutoCapture = 0x40;
inline constexpr uint8_t kUtf8 = 0x80;
}  // namespace regex_option

namespace regex_exec {
inline constexpr uint8_t kNotBol = 0x01;
inline constexpr uint8_t kNotEol = 0x02;
inline constexpr uint8_t kNotEmpty = 0x04;
}  // namespace regex_exec

// PCRE's compile options for an option byte; newline ANY is always set. The
// UTF-8 check is left on: only the engine knows when the pattern needs none.
int CompileOptions(uint8_t optionByte);
int ExecOptions(uint8_t execFlags);
