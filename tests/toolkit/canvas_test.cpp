#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "toolkit/controls/custom_control.h"
#include "toolkit/controls/form.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/image_list.h"
#include "toolkit/headless/recording_device.h"

using namespace toolkit;
using toolkit::headless::Summaries;

namespace {

class Badge : public CustomControl {
 public:
  explicit Badge(Component* owner) : CustomControl(owner) { SetBounds(10, 20, 60, 30); }

 protected:
  void Paint() override {
    Canvas& canvas = GetCanvas();
    canvas.GetBrush().SetColor(clYellow);
    canvas.FillRect(ClientRect());
    canvas.GetPen().SetColor(clNavy);
    canvas.GetBrush().SetStyle(BrushStyle::Clear);
    canvas.Rectangle({2, 2, Width() - 2, Height() - 2});
    canvas.GetFont().SetSize(12);
    canvas.TextOut(4, 6, u"Hi");
    canvas.SetClipRect({0, 0, 30, 30});
    canvas.MoveTo(0, 29);
    canvas.LineTo(59, 29);
  }
};

TEST_F(HeadlessTest, RecordsWhatACustomControlPaints) {
  Form form(nullptr);
  auto* badge = new Badge(&form);
  badge->SetParent(&form);
  form.Show();
  backend->PumpAll();
  EXPECT_EQ(Summaries(backend->Drawing(badge->Handle())),
            "FillRect(0,0,60,30) brush=clYellow\n"
            "Rectangle(2,2,58,28) pen=clNavy brush=clear\n"
            "TextOut(4,6 \"Hi\") font=Tahoma/-16/clWindowText\n"
            "Polyline(0,29 59,29) pen=clNavy clip=0,0,30,30\n");
  // Nothing is painted again until something is invalidated.
  backend->Drawing(badge->Handle()).clear();
  backend->PumpAll();
  EXPECT_TRUE(backend->Drawing(badge->Handle()).empty());
  badge->SetColor(clRed);
  backend->PumpAll();
  EXPECT_EQ(backend->Drawing(badge->Handle()).size(), 4u);
}

TEST_F(HeadlessTest, ACustomControlPaintsIntoABitmap) {
  Badge badge(nullptr);
  Bitmap bitmap(60, 30);
  bitmap.GetCanvas().SetOrigin({5, 5});  // the target's own state comes back afterwards
  badge.PaintTo(bitmap.GetCanvas());
  EXPECT_EQ(bitmap.Pixel(0, 0), clYellow);
  EXPECT_EQ(bitmap.Pixel(2, 2), clNavy);
  EXPECT_EQ(bitmap.Pixel(57, 27), clNavy);
  EXPECT_EQ(bitmap.Pixel(58, 28), clYellow);
  EXPECT_EQ(bitmap.Pixel(29, 29), clNavy);  // the line, inside the clip
  EXPECT_EQ(bitmap.Pixel(30, 29), clYellow);
  EXPECT_EQ(bitmap.GetCanvas().Origin(), (Point{5, 5}));
  EXPECT_FALSE(badge.HandleAllocated());  // no window was needed
}

TEST_F(HeadlessTest, FixedMetricsMakeLayoutExact) {
  Canvas canvas;
  canvas.SetDevice(backend->MeasuringDevice());
  canvas.GetFont().SetSize(12);
  EXPECT_EQ(canvas.GetFont().Height(), -16);
  EXPECT_EQ(canvas.TextExtent(u"abc"), (Size{24, 16}));
  EXPECT_EQ(canvas.TextWidth(u""), 0);
  Rect rect{0, 0, 80, 0};  // ten cells wide
  canvas.DrawText(u"one two three four", rect, dtCalcRect | dtWordBreak);
  EXPECT_EQ(rect, (Rect{0, 0, 80, 32}));  // "one two" / "three four"
  rect = {0, 0, 16, 0};
  canvas.DrawText(u"unbreakable x", rect, dtCalcRect | dtWordBreak);
  EXPECT_EQ(rect, (Rect{0, 0, 88, 32}));  // a long word keeps its own line
  rect = {5, 5, 6, 6};
  canvas.DrawText(u"a\r\nbb", rect, dtCalcRect | dtSingleLine);
  EXPECT_EQ(rect, (Rect{5, 5, 5 + 5 * 8, 21}));
}

TEST_F(HeadlessTest, BitmapPixelsFollowTheDrawing) {
  Bitmap bitmap(12, 10);
  Canvas& canvas = bitmap.GetCanvas();
  canvas.GetBrush().SetColor(clWhite);
  canvas.FillRect({0, 0, 12, 10});
  canvas.GetPen().SetColor(clRed);
  canvas.GetBrush().SetColor(clBlue);
  canvas.Rectangle({1, 1, 5, 5});
  canvas.MoveTo(0, 9);
  canvas.LineTo(12, 9);
  canvas.SetPixel(11, 0, clLime);
  EXPECT_EQ(bitmap.Pixel(1, 1), clRed);   // border
  EXPECT_EQ(bitmap.Pixel(4, 4), clRed);   // border, right and bottom inside the rectangle
  EXPECT_EQ(bitmap.Pixel(2, 2), clBlue);  // interior
  EXPECT_EQ(bitmap.Pixel(5, 5), clWhite);
  EXPECT_EQ(bitmap.Pixel(11, 9), clRed);
  EXPECT_EQ(bitmap.Pixel(11, 0), clLime);
  EXPECT_EQ(canvas.Pixel(11, 0), clLime);
  EXPECT_EQ(bitmap.Pixel(12, 0), clNone);

  // Origin and clip: logical (10,10) is the top-left pixel; only the clip is drawn.
  canvas.SetOrigin({10, 10});
  canvas.SetClipRect({10, 10, 12, 12});
  canvas.GetBrush().SetColor(clYellow);
  canvas.FillRect({0, 0, 100, 100});
  EXPECT_EQ(bitmap.Pixel(0, 0), clYellow);
  EXPECT_EQ(bitmap.Pixel(1, 1), clYellow);
  EXPECT_EQ(bitmap.Pixel(2, 2), clBlue);
  EXPECT_EQ(backend->OffscreenDrawing().back().ToString(),
            "FillRect(0,0,100,100) brush=clYellow clip=10,10,12,12 origin=10,10");
}

TEST_F(HeadlessTest, PolygonFillsItsInside) {
  Bitmap bitmap(10, 10);
  Canvas& canvas = bitmap.GetCanvas();
  canvas.GetPen().SetStyle(PenStyle::Clear);
  canvas.GetBrush().SetColor(clGreen);
  canvas.Polygon({{0, 0}, {8, 0}, {8, 8}, {0, 8}});
  EXPECT_EQ(bitmap.Pixel(4, 4), clGreen);
  EXPECT_EQ(bitmap.Pixel(8, 4), clBlack);
  EXPECT_EQ(bitmap.Pixel(9, 9), clBlack);
}

TEST_F(HeadlessTest, ResizingABitmapKeepsWhatStillFits) {
  Bitmap bitmap(4, 4);
  bitmap.Fill(clRed);
  bitmap.SetSize(6, 2);
  EXPECT_EQ(bitmap.Pixel(3, 1), clRed);
  EXPECT_EQ(bitmap.Pixel(5, 1), clBlack);
  EXPECT_THROW(bitmap.SetSize(-1, 3), InvalidOperation);
  bitmap.GetCanvas().GetBrush().SetColor(clBlue);
  bitmap.GetCanvas().FillRect({0, 0, 6, 2});  // the canvas follows the new size
  EXPECT_EQ(bitmap.Pixel(5, 1), clBlue);
}

TEST_F(HeadlessTest, ImageListDrawsMaskedImagesAndTellsItsLinks) {
  ImageList images(nullptr, 4, 4);
  struct Counter {
    int changes = 0;
    void Changed(Object*) { ++changes; }
  } counter;
  ChangeLink link;
  link.OnChange = NotifyEvent(&counter, &Counter::Changed);
  images.RegisterChanges(&link);

  Bitmap strip(8, 4);
  strip.Fill(clFuchsia);
  strip.SetPixel(1, 1, clRed);
  strip.SetPixel(5, 2, clBlue);
  EXPECT_EQ(images.AddMasked(strip, clFuchsia), 0);
  EXPECT_EQ(images.Count(), 2);
  EXPECT_EQ(counter.changes, 1);

  Bitmap target(8, 8);
  target.Fill(clWhite);
  images.Draw(target.GetCanvas(), 2, 2, 1);
  EXPECT_EQ(target.Pixel(2 + 1, 2 + 2), clBlue);
  EXPECT_EQ(target.Pixel(2, 2), clWhite);  // masked pixels leave the background
  images.Draw(target.GetCanvas(), 0, 0, 7);  // an unknown index draws nothing
  EXPECT_THROW(images.Delete(7), InvalidOperation);

  images.UnRegisterChanges(&link);
  images.Clear();
  EXPECT_EQ(counter.changes, 1);
  {
    ChangeLink shortLived;
    images.RegisterChanges(&shortLived);
  }
  images.Clear();  // a freed link has left the list
}

TEST_F(HeadlessTest, TextRectClipsAndFillsUnlessTheBrushIsClear) {
  Form form(nullptr);
  form.Show();
  Canvas canvas;
  canvas.SetDevice(backend->WindowDevice(form.Handle()));
  canvas.GetBrush().SetColor(clWhite);
  canvas.TextRect({0, 0, 20, 10}, 1, 1, u"long text");
  canvas.GetBrush().SetStyle(BrushStyle::Clear);
  canvas.TextRect({0, 0, 20, 10}, 1, 1, u"x");
  const std::vector<headless::DrawCall>& drawing = backend->Drawing(form.Handle());
  ASSERT_GE(drawing.size(), 2u);
  EXPECT_EQ(drawing[drawing.size() - 2].ToString(),
            "TextOut(1,1 \"long text\") font=Tahoma/-11/clWindowText brush=clWhite in=0,0,20,10");
  EXPECT_EQ(drawing.back().ToString(), "TextOut(1,1 \"x\") font=Tahoma/-11/clWindowText in=0,0,20,10");
}

}  // namespace
