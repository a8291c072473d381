// Text with advances, font measures, rounded and focus rectangles, clip
// regions, scrolling and copying pixels, the screen device and cursors, on
// the headless backend.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/headless/glyph_widths.h"
#include "toolkit/headless/recording_device.h"

using namespace toolkit;
using toolkit::headless::GlyphWidthRange;
using toolkit::headless::SetGlyphWidths;
using toolkit::headless::Summaries;

namespace {

class CanvasExtrasTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    bitmap = std::make_unique<Bitmap>(20, 20);
    bitmap->Fill(clWhite);
    backend->OffscreenDrawing().clear();
  }
  Canvas& C() { return bitmap->GetCanvas(); }
  std::string Listing() { return Summaries(backend->OffscreenDrawing()); }

  std::unique_ptr<Bitmap> bitmap;
};

// A proportional table: narrow "i", wide "W", a double-width ideograph block
// and a zero-width combining accent; anything else keeps the 8-pixel cell.
const std::vector<GlyphWidthRange> kProportional = {
    {u'i', u'i', 3}, {u'W', u'W', 12}, {u'\u4E00', u'\u9FFF', 16}, {u'\u0301', u'\u0301', 0}};

TEST_F(CanvasExtrasTest, GlyphWidthsComeFromTheTestsTable) {
  C().GetFont().SetSize(12);  // an 8 x 16 cell
  struct Case {
    const char16_t* text;
    int width;
  } cases[] = {{u"", 0}, {u"ab", 16}, {u"iW", 15}, {u"\u4E2D\u6587", 32}, {u"e\u0301", 8}, {u"\u0301\u0301", 0}};
  SetGlyphWidths(kProportional);
  for (const Case& c : cases) EXPECT_EQ(C().TextWidth(c.text), c.width) << ToUtf8(c.text);
  EXPECT_EQ(C().TextHeight(u"iW"), 16);
  // A later range wins; a fresh backend has the fixed cell again.
  SetGlyphWidths({{u'a', u'z', 5}, {u'b', u'b', 1}});
  EXPECT_EQ(C().TextWidth(u"abc"), 11);
  headless::Install();
  Bitmap fresh(4, 4);
  fresh.GetCanvas().GetFont().SetSize(12);
  EXPECT_EQ(fresh.GetCanvas().TextWidth(u"iW"), 16);
}

TEST_F(CanvasExtrasTest, DrawTextLaysOutWithTheGlyphWidths) {
  C().GetFont().SetSize(12);
  SetGlyphWidths(kProportional);
  Rect rect{0, 0, 30, 0};
  C().DrawText(u"iii WW iii", rect, dtWordBreak | dtCalcRect);
  // "iii" is 9 wide, "WW" 24: three lines, the widest 24.
  EXPECT_EQ(rect, (Rect{0, 0, 24, 48}));
  EXPECT_EQ(headless::LayoutLines(C().GetFont(), u"iii WW iii", 30, dtWordBreak),
            (std::vector<String>{u"iii", u"WW", u"iii"}));
}

TEST_F(CanvasExtrasTest, ZeroWidthCharactersNeverDivideOrHang) {
  SetGlyphWidths({{0, 0xFFFF, 0}});
  Rect rect{0, 0, 0, 0};
  C().DrawText(u"a b c", rect, dtWordBreak | dtCalcRect);
  EXPECT_EQ(rect.Width(), 0);
  EXPECT_EQ(headless::LayoutLines(C().GetFont(), u"a b c", 0, dtWordBreak), (std::vector<String>{u"a b c"}));
  EXPECT_EQ(C().GetFontMetrics().maxWidth, headless::CellSize(C().GetFont()).cx);
}

TEST_F(CanvasExtrasTest, FontMetricsAndAbcWidths) {
  C().GetFont().SetSize(12);
  FontMetrics metrics = C().GetFontMetrics();
  EXPECT_EQ(metrics.height, 16);
  EXPECT_EQ(metrics.ascent + metrics.descent, 16);
  EXPECT_EQ(metrics.averageWidth, 8);
  EXPECT_EQ(metrics.maxWidth, 8);
  EXPECT_EQ(metrics.overhang, 0);
  SetGlyphWidths({{u'f', u'f', 6, 3}, {u'W', u'W', 12}});
  EXPECT_EQ(C().GetFontMetrics().maxWidth, 12);
  AbcWidth widths[3];
  ASSERT_TRUE(C().CharAbcWidths(u'e', u'g', widths));
  EXPECT_EQ(widths[0], (AbcWidth{0, 8, 0}));
  // The italic "f" reaches 3 pixels past its advance: ink A + B = 9.
  EXPECT_EQ(widths[1], (AbcWidth{0, 9, -3}));
  EXPECT_FALSE(C().CharAbcWidths(u'g', u'e', widths));
}

TEST_F(CanvasExtrasTest, ExtTextOutRecordsTheAdvancesAndFillsItsBox) {
  C().GetFont().SetSize(12);
  C().GetBrush().SetColor(clYellow);
  const int advances[] = {8, 16};
  C().ExtTextOut(1, 2, toOpaque, nullptr, u"ab", advances);
  const Rect clip{0, 0, 5, 5};
  C().ExtTextOut(1, 2, toClipped, &clip, u"ab", advances);
  EXPECT_EQ(Listing(),
            "ExtTextOut(1,2 \"ab\" dx=8,16) font=Tahoma/-16/clWindowText brush=clYellow\n"
            "ExtTextOut(1,2 \"ab\" dx=8,16) font=Tahoma/-16/clWindowText in=0,0,5,5\n");
  EXPECT_EQ(bitmap->Pixel(19, 17), clYellow);  // 24 wide from x 1, 16 high from y 2
  EXPECT_EQ(bitmap->Pixel(0, 2), clWhite);
  EXPECT_EQ(bitmap->Pixel(1, 18), clWhite);
  const int tooFew[] = {8};
  EXPECT_THROW(C().ExtTextOut(0, 0, 0, nullptr, u"ab", tooFew), InvalidOperation);
}

TEST_F(CanvasExtrasTest, RoundRectLeavesItsCornersAlone) {
  C().GetBrush().SetColor(clYellow);
  C().GetPen().SetColor(clNavy);
  C().RoundRect({0, 0, 20, 20}, 10, 10);
  EXPECT_EQ(Listing(), "RoundRect(0,0,20,20 corner=10,10) pen=clNavy brush=clYellow\n");
  EXPECT_EQ(bitmap->Pixel(0, 0), clWhite);
  EXPECT_EQ(bitmap->Pixel(19, 19), clWhite);
  EXPECT_EQ(bitmap->Pixel(10, 0), clNavy);
  EXPECT_EQ(bitmap->Pixel(0, 10), clNavy);
  EXPECT_EQ(bitmap->Pixel(10, 10), clYellow);
  // No rounding is a plain rectangle.
  C().RoundRect({0, 0, 20, 20}, 0, 0);
  EXPECT_EQ(bitmap->Pixel(0, 0), clNavy);
}

TEST_F(CanvasExtrasTest, AFocusRectDrawnTwiceLeavesNoTrace) {
  bitmap->Fill(clBlack);
  C().DrawFocusRect({2, 2, 10, 10});
  EXPECT_EQ(bitmap->Pixel(2, 2), clWhite);
  EXPECT_EQ(bitmap->Pixel(3, 2), clBlack);  // dotted
  EXPECT_EQ(bitmap->Pixel(4, 2), clWhite);
  EXPECT_EQ(bitmap->Pixel(5, 5), clBlack);  // only the band
  C().DrawFocusRect({2, 2, 10, 10});
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(bitmap->Pixel(x, y), clBlack) << x << "," << y;
  EXPECT_EQ(Listing(), "FocusRect(2,2,10,10)\nFocusRect(2,2,10,10)\n");
}

TEST_F(CanvasExtrasTest, AClipRegionLetsOnlyItsRectanglesThrough) {
  Region region({0, 0, 5, 5});
  region.Add({10, 10, 15, 15});
  C().SetClipRegion(region);
  EXPECT_EQ(C().ClipRect(), (Rect{0, 0, 15, 15}));
  C().GetBrush().SetColor(clRed);
  C().FillRect({0, 0, 20, 20});
  EXPECT_EQ(bitmap->Pixel(4, 4), clRed);
  EXPECT_EQ(bitmap->Pixel(12, 12), clRed);
  EXPECT_EQ(bitmap->Pixel(7, 7), clWhite);
  EXPECT_EQ(bitmap->Pixel(12, 2), clWhite);
  C().IntersectClipRect({0, 0, 12, 12});
  EXPECT_EQ(C().ClipRegion().Rects(), (std::vector<Rect>{{0, 0, 5, 5}, {10, 10, 12, 12}}));
  C().RemoveClip();
  EXPECT_FALSE(C().HasClipRegion());
  C().FillRect({7, 7, 8, 8});
  EXPECT_EQ(bitmap->Pixel(7, 7), clRed);
  EXPECT_EQ(Listing(),
            "FillRect(0,0,20,20) brush=clRed clip=0,0,5,5+10,10,15,15\n"
            "FillRect(7,7,8,8) brush=clRed\n");
}

TEST_F(CanvasExtrasTest, TheBrushOriginShowsWithFills) {
  C().SetBrushOrigin({1, 0});
  C().FillRect({0, 0, 2, 2});
  EXPECT_EQ(Listing(), "FillRect(0,0,2,2) brush=clWhite brushorg=1,0\n");
  EXPECT_EQ(C().BrushOrigin(), (Point{1, 0}));
}

TEST_F(CanvasExtrasTest, ScrollDcMovesPixelsAndAnswersWhatItUncovered) {
  struct Case {
    int dx, dy;
    Rect scroll, clip, update;
  } cases[] = {
      {0, 4, {0, 0, 20, 20}, {0, 0, 20, 20}, {0, 0, 20, 4}},
      {0, -4, {0, 0, 20, 20}, {0, 0, 20, 20}, {0, 16, 20, 20}},
      {3, 0, {0, 0, 20, 20}, {0, 0, 10, 20}, {0, 0, 3, 20}},
      {-3, 0, {0, 0, 20, 20}, {0, 0, 20, 20}, {17, 0, 20, 20}},
      {2, 2, {0, 0, 20, 20}, {0, 0, 20, 20}, {0, 0, 20, 20}},
      {0, 40, {0, 0, 20, 20}, {0, 0, 20, 20}, {0, 0, 20, 20}},
      {0, 0, {0, 0, 20, 20}, {0, 0, 20, 20}, {}},
  };
  for (const Case& c : cases) {
    Rect update;
    C().ScrollDC(c.dx, c.dy, c.scroll, c.clip, &update);
    EXPECT_EQ(update, c.update) << c.dx << "," << c.dy;
  }
  bitmap->Fill(clWhite);
  bitmap->SetPixel(5, 5, clRed);
  C().ScrollDC(0, 3, {0, 0, 20, 20}, {0, 0, 20, 20});
  EXPECT_EQ(bitmap->Pixel(5, 8), clRed);
  EXPECT_EQ(bitmap->Pixel(5, 5), clWhite);
  backend->OffscreenDrawing().clear();
  C().ScrollDC(0, 3, {0, 0, 20, 10}, {0, 0, 20, 20});
  EXPECT_EQ(Listing(), "ScrollDC(0,3 scroll=0,0,20,10 within=0,0,20,20)\n");
}

TEST_F(CanvasExtrasTest, TheScreenCanBeDrawnOnCapturedAndRestored) {
  Canvas screen;
  screen.SetDevice(backend->ScreenDevice());
  screen.GetBrush().SetColor(clBlue);
  screen.FillRect({100, 100, 110, 110});
  // Capture what lies under an image, draw over it, put it back.
  bitmap->GetCanvas().CopyRect({0, 0, 20, 20}, screen, {95, 95, 115, 115});
  EXPECT_EQ(bitmap->Pixel(10, 10), clBlue);
  EXPECT_EQ(bitmap->Pixel(2, 2), clBlack);
  screen.GetBrush().SetColor(clRed);
  screen.FillRect({95, 95, 115, 115});
  screen.CopyRect({95, 95, 115, 115}, bitmap->GetCanvas(), {0, 0, 20, 20});
  EXPECT_EQ(screen.Pixel(105, 105), clBlue);
  EXPECT_EQ(screen.Pixel(96, 96), clBlack);
  EXPECT_EQ(Summaries(backend->ScreenDrawing()),
            "FillRect(100,100,110,110) brush=clBlue\n"
            "FillRect(95,95,115,115) brush=clRed\n"
            "CopyRect(95,95,115,115 from 0,0 20,20)\n");
  // A second screen device sees what the first drew.
  Canvas again;
  again.SetDevice(backend->ScreenDevice());
  EXPECT_EQ(again.Pixel(105, 105), clBlue);
}

TEST_F(CanvasExtrasTest, CursorsAreRegisteredByNumber) {
  Bitmap arrow(4, 4);
  arrow.Fill(clFuchsia);
  arrow.SetPixel(1, 1, clBlack);
  arrow.SetPixel(2, 1, clWhite);
  const CursorHandle cursor = backend->CreateCursor(arrow, clFuchsia, {1, 1});
  ASSERT_NE(cursor, 0u);
  ASSERT_NE(backend->Cursor(cursor), nullptr);
  EXPECT_EQ(backend->Cursor(cursor)->opaquePixels, 2);
  EXPECT_EQ(backend->Cursor(cursor)->hotSpot, (Point{1, 1}));
  EXPECT_EQ(backend->CreateCursor(Bitmap(), clNone, {}), 0u);
  backend->RegisterCursor(63, cursor);
  EXPECT_EQ(backend->RegisteredCursor(63), cursor);
  EXPECT_EQ(backend->RegisteredCursor(62), 0u);
  backend->RegisterCursor(63, 0);
  EXPECT_EQ(backend->RegisteredCursor(63), 0u);
}

}  // namespace
