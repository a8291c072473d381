// Our own pictures compiled into the program as BMP bytes: the tree's
// check, tick, flat and XP strips, its sort and drop marks and expand
// buttons, the editor's wrapped-line and bookmark glyphs, and the split and
// panning cursors. Both backends read them with the one DIB reader.
#pragma once
#include <cstddef>
#include <cstdint>

#include "toolkit/graphics/backend.h"
#include "toolkit/graphics/bitmap.h"

namespace toolkit {

namespace builtin {
struct EmbeddedImage {
  const char16_t* name;
  const std::uint8_t* bytes;
  std::size_t size;
};
extern const EmbeddedImage kEmbeddedImages[];
extern const std::size_t kEmbeddedImageCount;
}  // namespace builtin

// Names compare in any letter case, as resource names do.
bool HasBuiltInImage(StringView name);
// Fails with "Resource %s not found" for an unknown name. With
// mapSystemColors, white, silver and grey become clWindow, clBtnFace and
// clBtnShadow as the system shows them now.
void LoadBuiltInBitmap(Bitmap& bitmap, StringView name, bool mapSystemColors = false);
// A built-in picture as a cursor: magenta is see-through, the hot spot is
// the centre. 0 when the system refuses it; unknown names fail as above.
CursorHandle LoadBuiltInCursor(StringView name);

}  // namespace toolkit
