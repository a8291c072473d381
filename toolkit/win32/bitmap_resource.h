// Bitmaps from the program's resources (type RT_BITMAP).
#pragma once
#include "toolkit/graphics/bitmap.h"
#include "toolkit/win32/windows_api.h"

namespace toolkit::win32 {

// Fails with "Resource %s not found" when the module has no such bitmap.
void LoadBitmapResource(Bitmap& bitmap, HMODULE module, const String& name);

}  // namespace toolkit::win32
