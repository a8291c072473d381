// Colours as the editor stores them: $00BBGGRR, $FF0000nn for system colour
// nn, $1FFFFFFF for none. The toolkit draws the system form too (it looks at
// the top bit and the low byte).
#pragma once
#include <cstdint>

#include "toolkit/graphics/color.h"

namespace editor {

constexpr toolkit::Color CodeSystemColor(int index) { return static_cast<toolkit::Color>(0xFF000000u | index); }

inline constexpr toolkit::Color kColorNone = 0x1FFFFFFF;
inline constexpr toolkit::Color kColorWindow = CodeSystemColor(5);
inline constexpr toolkit::Color kColorWindowText = CodeSystemColor(8);
inline constexpr toolkit::Color kColorHighlight = CodeSystemColor(13);
inline constexpr toolkit::Color kColorHighlightText = CodeSystemColor(14);
inline constexpr toolkit::Color kColorBtnFace = CodeSystemColor(15);

}  // namespace editor
