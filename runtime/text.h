// Text of the runtime: UTF-16 in qelu, 8-bit in the system code page in qel.
#pragma once
#include <string>
#include <string_view>

namespace runtime {

#ifdef QEL_ANSI
using Char = char;
#define QT(s) s
#else
using Char = char16_t;
#define QT(s) u##s
#endif

using Text = std::basic_string<Char>;
using TextView = std::basic_string_view<Char>;

// Code unit as an unsigned number (bytes of qel read as 0..255).
inline unsigned CodeUnit(Char c) { return static_cast<std::make_unsigned_t<Char>>(c); }

}  // namespace runtime
