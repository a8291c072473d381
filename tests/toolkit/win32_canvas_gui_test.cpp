// The canvas's newer calls through GDI: pixels of memory bitmaps, the
// screen device, and cursors made from the built-in pictures.
#include <gtest/gtest.h>

#include "toolkit/controls/screen.h"
#include "toolkit/graphics/backend.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/builtin_images.h"
#include "toolkit/win32/windows_api.h"

using namespace toolkit;

namespace {

int CountColor(const Bitmap& bitmap, const Rect& area, Color color) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (bitmap.Pixel(x, y) == color) ++count;
  return count;
}

std::unique_ptr<Bitmap> WhiteBitmap(int width, int height) {
  auto bitmap = std::make_unique<Bitmap>(width, height);
  bitmap->Fill(clWhite);
  return bitmap;
}

TEST(Win32Canvas, ExtTextOutPlacesEachCharacterByItsAdvance) {
  auto bitmap = WhiteBitmap(80, 30);
  Canvas& canvas = bitmap->GetCanvas();
  canvas.GetFont().SetColor(clBlack);
  canvas.GetFont().SetSize(12);
  canvas.GetBrush().SetStyle(BrushStyle::Clear);
  const int advances[] = {50, 10};
  canvas.ExtTextOut(2, 2, 0, nullptr, u"II", advances);
  EXPECT_GT(CountColor(*bitmap, {0, 0, 20, 30}, clBlack), 0);
  EXPECT_EQ(CountColor(*bitmap, {20, 0, 50, 30}, clBlack), 0);  // the gap the first advance leaves
  EXPECT_GT(CountColor(*bitmap, {50, 0, 70, 30}, clBlack), 0);
}

TEST(Win32Canvas, FontMetricsAndAbcWidthsComeFromTheFont) {
  Bitmap bitmap(4, 4);
  Canvas& canvas = bitmap.GetCanvas();
  canvas.GetFont().SetSize(12);
  const FontMetrics metrics = canvas.GetFontMetrics();
  EXPECT_GT(metrics.height, 0);
  EXPECT_EQ(metrics.ascent + metrics.descent, metrics.height);
  EXPECT_GT(metrics.averageWidth, 0);
  EXPECT_GE(metrics.maxWidth, metrics.averageWidth);
  AbcWidth widths[2];
  ASSERT_TRUE(canvas.CharAbcWidths(u'M', u'N', widths));
  EXPECT_GT(widths[0].b, 0);
  EXPECT_NEAR(widths[0].a + widths[0].b + widths[0].c, canvas.TextWidth(u"M"), 1);
}

TEST(Win32Canvas, RoundRectFocusRectAndClipRegionPixels) {
  auto bitmap = WhiteBitmap(20, 20);
  Canvas& canvas = bitmap->GetCanvas();
  canvas.GetBrush().SetColor(clYellow);
  canvas.GetPen().SetColor(clNavy);
  canvas.RoundRect({0, 0, 20, 20}, 10, 10);
  EXPECT_EQ(bitmap->Pixel(0, 0), clWhite);
  EXPECT_EQ(bitmap->Pixel(10, 10), clYellow);
  EXPECT_EQ(bitmap->Pixel(10, 0), clNavy);

  bitmap->Fill(clWhite);
  canvas.DrawFocusRect({2, 2, 12, 12});
  EXPECT_GT(CountColor(*bitmap, {2, 2, 12, 3}, clBlack), 0);
  EXPECT_EQ(bitmap->Pixel(6, 6), clWhite);
  canvas.DrawFocusRect({2, 2, 12, 12});
  EXPECT_EQ(CountColor(*bitmap, {0, 0, 20, 20}, clWhite), 400);

  Region region({0, 0, 5, 5});
  region.Add({10, 10, 15, 15});
  canvas.SetClipRegion(region);
  canvas.GetBrush().SetColor(clRed);
  canvas.FillRect({0, 0, 20, 20});
  canvas.RemoveClip();
  EXPECT_EQ(CountColor(*bitmap, {0, 0, 20, 20}, clRed), 50);
  EXPECT_EQ(bitmap->Pixel(7, 7), clWhite);
}

TEST(Win32Canvas, ScrollDcAndCopyRectMovePixels) {
  auto bitmap = WhiteBitmap(20, 20);
  Canvas& canvas = bitmap->GetCanvas();
  bitmap->SetPixel(5, 5, clRed);
  Rect update;
  canvas.ScrollDC(0, 3, {0, 0, 20, 20}, {0, 0, 20, 20}, &update);
  EXPECT_EQ(bitmap->Pixel(5, 8), clRed);
  EXPECT_EQ(update, (Rect{0, 0, 20, 3}));

  auto copy = WhiteBitmap(10, 10);
  copy->GetCanvas().CopyRect({0, 0, 10, 10}, canvas, {0, 3, 10, 13});
  EXPECT_EQ(copy->Pixel(5, 5), clRed);
}

TEST(Win32Canvas, TheScreenDeviceCapturesWhatItDrew) {
  Canvas screen;
  screen.SetDevice(CurrentBackend().ScreenDevice());
  ASSERT_NE(screen.Handle(), 0u);
  screen.GetBrush().SetColor(clRed);
  screen.FillRect({10, 10, 30, 30});
  auto capture = WhiteBitmap(20, 20);
  capture->GetCanvas().CopyRect({0, 0, 20, 20}, screen, {10, 10, 30, 30});
  EXPECT_EQ(capture->Pixel(10, 10), clRed);
}

TEST(Win32Canvas, BuiltInPicturesDrawAndBecomeCursors) {
  Bitmap strip;
  LoadBuiltInBitmap(strip, u"LT_CHECK_LIGHT", true);
  EXPECT_EQ(strip.Width(), 400);
  auto target = WhiteBitmap(16, 16);
  target->GetCanvas().DrawPart({0, 0, 16, 16}, strip, {13 * 16, 0, 14 * 16, 16}, strip.Pixel(0, 0));
  EXPECT_EQ(target->Pixel(0, 0), clWhite);                         // transparent corner
  EXPECT_GT(CountColor(*target, {4, 4, 12, 12}, clBlack), 0);     // the check mark
  const CursorHandle cursor = LoadBuiltInCursor(u"LT_HEADERSPLIT");
  ASSERT_NE(cursor, 0u);
  TheScreen().SetCursors(63, cursor);
  EXPECT_EQ(TheScreen().Cursors(63), cursor);
  CurrentBackend().SetCursorShape(63);
  EXPECT_EQ(reinterpret_cast<CursorHandle>(::GetCursor()), cursor);
  CurrentBackend().SetCursorShape(cr::Arrow);
}

}  // namespace
