#include "toolkit/win32/bitmap_resource.h"

#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/bitmap_file.h"
#include "toolkit/win32/gdi_device.h"

namespace toolkit::win32 {

void LoadBitmapResource(Bitmap& bitmap, HMODULE module, const String& name) {
  HRSRC found = ::FindResourceW(module, Wide(name), MAKEINTRESOURCEW(2));  // RT_BITMAP
  HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (!data) throw InvalidOperation(FormatText(u"Resource %s not found", name));
  ReadDib(static_cast<const std::uint8_t*>(data), ::SizeofResource(module, found), bitmap);
}

}  // namespace toolkit::win32
