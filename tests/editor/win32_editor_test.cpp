#include <gtest/gtest.h>

#include <cstdint>

#include "editor/gradient.h"
#include "editor/text_clipboard.h"
#include "editor/text_measure.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/controls/clipboard.h"

using namespace toolkit;

namespace {

TEST(EditorWin32, AGradientFillsAGdiBitmapBandByBand) {
  Bitmap bitmap(100, 10);
  editor::PaintGradient(bitmap.GetCanvas(), clBlack, clWhite, 5, {0, 0, 100, 10}, true);
  const int levels[] = {0, 64, 128, 191, 255};
  for (int band = 0; band < 5; ++band) {
    const int v = levels[band];
    EXPECT_EQ(bitmap.GetCanvas().Pixel(band * 20 + 10, 5), Rgb(v, v, v)) << band;
  }
  editor::PaintGradient(bitmap.GetCanvas(), clRed, clBlue, 2, {0, 0, 100, 10}, false);
  EXPECT_EQ(bitmap.GetCanvas().Pixel(50, 2), clRed);
  EXPECT_EQ(bitmap.GetCanvas().Pixel(50, 7), clBlue);
}

TEST(EditorWin32, TextOnTheSystemClipboard) {
  editor::WriteClipboardText(u"caf\u00E9 \u4E2D");
  EXPECT_TRUE(editor::ClipboardHasText());
  EXPECT_EQ(editor::ReadClipboardText(), u"caf\u00E9 \u4E2D");

  // 8-bit text comes with the locale whose code page it is written in.
  Clipboard& clipboard = TheClipboard();
  clipboard.Open();
  const char russian[] = "\xCF\xF0\xE8";
  clipboard.SetBuffer(cfText, russian, sizeof russian);
  const std::uint32_t locale = 0x0419;
  clipboard.SetBuffer(cfLocale, &locale, sizeof locale);
  clipboard.Close();
  EXPECT_TRUE(editor::ClipboardHasText());
  EXPECT_EQ(editor::ReadClipboardText(), u"\u041F\u0440\u0438");
}

TEST(EditorWin32, ClippedTextStaysInsideItsRectangle) {
  Bitmap bitmap(60, 20);
  Canvas& canvas = bitmap.GetCanvas();
  canvas.GetBrush().SetColor(clWhite);
  canvas.FillRect({0, 0, 60, 20});
  canvas.GetBrush().SetColor(clYellow);
  canvas.GetFont().SetColor(clBlack);
  editor::TextRectOut(canvas, {0, 0, 30, 20}, 0, 0, u"WWWWWWWWWW");
  EXPECT_EQ(canvas.Pixel(29, 19), clYellow);  // filled below the text, inside the clip
  for (int y = 0; y < 20; ++y) EXPECT_EQ(canvas.Pixel(40, y), clWhite) << y;
  EXPECT_GT(editor::TextWidthOf(canvas, u"WWWWWWWWWW"), 30);
}

}  // namespace
