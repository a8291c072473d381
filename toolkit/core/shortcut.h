// Shift states and short-cuts: a key with its modifiers packed in 16 bits.
#pragma once
#include <cstdint>

#include "toolkit/core/text.h"

namespace toolkit {

// Modifier keys, mouse buttons and the double-click flag in one set.
using ShiftState = std::uint16_t;
enum ShiftFlag : ShiftState {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64,
};

enum class MouseButton { Left, Right, Middle };

// Key in the low byte, shift $2000, ctrl $4000, alt $8000.
using ShortCut = std::uint16_t;
inline constexpr ShortCut scShift = 0x2000;
inline constexpr ShortCut scCtrl = 0x4000;
inline constexpr ShortCut scAlt = 0x8000;
inline constexpr ShortCut scNone = 0;

ShortCut MakeShortCut(std::uint16_t key, ShiftState shift);
// Splits a short-cut into its key and its modifiers (shift, ctrl, alt only).
void ShortCutToKey(ShortCut shortCut, std::uint16_t& key, ShiftState& shift);
// "Shift+Ctrl+Alt+" prefixes in that order and the key's name; empty for none.
String ShortCutToText(ShortCut shortCut);
// The inverse of ShortCutToText; 0 for a text it does not know.
ShortCut TextToShortCut(StringView text);
// The name of a virtual key ("A", "F5", "Enter", ...); empty when it has none.
String KeyName(std::uint16_t key);

}  // namespace toolkit
