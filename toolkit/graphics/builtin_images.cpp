#include "toolkit/graphics/builtin_images.h"

#include "toolkit/core/exceptions.h"
#include "toolkit/core/stream.h"
#include "toolkit/core/text.h"
#include "toolkit/graphics/bitmap_file.h"

namespace toolkit {

namespace {

const builtin::EmbeddedImage* Find(StringView name) {
  for (std::size_t i = 0; i < builtin::kEmbeddedImageCount; ++i)
    if (CompareTextIgnoringCase(builtin::kEmbeddedImages[i].name, name) == 0) return &builtin::kEmbeddedImages[i];
  return nullptr;
}

const builtin::EmbeddedImage& Require(StringView name) {
  const builtin::EmbeddedImage* image = Find(name);
  if (!image) throw InvalidOperation(FormatText(u"Resource %s not found", String(name)));
  return *image;
}

}  // namespace

bool HasBuiltInImage(StringView name) { return Find(name) != nullptr; }

void LoadBuiltInBitmap(Bitmap& bitmap, StringView name, bool mapSystemColors) {
  const builtin::EmbeddedImage& image = Require(name);
  MemoryStream stream;
  stream.WriteBuffer(image.bytes, static_cast<std::int64_t>(image.size));
  stream.SetPosition(0);
  ReadBitmapFile(stream, bitmap);
  if (!mapSystemColors) return;
  const struct {
    Color from;
    Color to;
  } pairs[] = {{Rgb(255, 255, 255), ColorToRgb(clWindow)},
               {Rgb(192, 192, 192), ColorToRgb(clBtnFace)},
               {Rgb(128, 128, 128), ColorToRgb(clBtnShadow)}};
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const Color color = bitmap.Pixel(x, y);
      for (const auto& pair : pairs)
        if (color == pair.from) {
          bitmap.SetPixel(x, y, pair.to);
          break;
        }
    }
}

CursorHandle LoadBuiltInCursor(StringView name) {
  Bitmap picture;
  LoadBuiltInBitmap(picture, name);
  return CurrentBackend().CreateCursor(picture, clFuchsia, {picture.Width() / 2, picture.Height() / 2});
}

}  // namespace toolkit
