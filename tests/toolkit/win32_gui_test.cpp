#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "toolkit/controls/application.h"
#include "toolkit/controls/clipboard.h"
#include "toolkit/controls/data_object.h"
#include "toolkit/controls/drag_drop.h"
#include "toolkit/controls/form.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/win32/bitmap_resource.h"
#include "toolkit/win32/windows_api.h"

using namespace toolkit;

namespace {

class Badge : public CustomControl {
 public:
  explicit Badge(Component* owner) : CustomControl(owner) { SetBounds(10, 10, 80, 40); }
  bool throwInPaint = false;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    if (throwInPaint) throw std::runtime_error("paint failed");
    Canvas& canvas = GetCanvas();
    canvas.GetBrush().SetColor(clYellow);
    canvas.FillRect(ClientRect());
    canvas.GetPen().SetColor(clNavy);
    canvas.GetBrush().SetStyle(BrushStyle::Clear);
    canvas.Rectangle({2, 2, Width() - 2, Height() - 2});
    canvas.GetFont().SetColor(clBlack);
    canvas.GetFont().SetSize(12);
    canvas.TextOut(8, 8, u"Hi");
  }
  void Dispatch(Message& message) override {
    if (message.msg == msg::User + 1) {
      message.result = 99;
      return;
    }
    if (message.msg == msg::User + 2) throw std::runtime_error("handler failed");
    CustomControl::Dispatch(message);
  }
};

// Pumps until done() or about five seconds have passed.
template <class Done>
bool PumpUntil(Done done) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start > 5000) return false;
    TheApplication().ProcessMessages();
    ::Sleep(1);
  }
  return true;
}

TEST(Win32Gui, ACustomControlPaintsIntoABitmapWithGdi) {
  Badge badge(nullptr);
  Bitmap bitmap(80, 40);
  badge.PaintTo(bitmap.GetCanvas());
  EXPECT_EQ(bitmap.Pixel(0, 0), clYellow);
  EXPECT_EQ(bitmap.Pixel(2, 2), clNavy);
  EXPECT_EQ(bitmap.Pixel(77, 37), clNavy);
  EXPECT_EQ(bitmap.Pixel(78, 38), clYellow);
  int dark = 0;  // the text's glyphs
  for (int y = 8; y < 30; ++y)
    for (int x = 8; x < 40; ++x)
      if (bitmap.Pixel(x, y) == clBlack) ++dark;
  EXPECT_GT(dark, 10);
  EXPECT_NE(bitmap.Handle(), 0u);
  const Size extent = bitmap.GetCanvas().TextExtent(u"Hi");
  EXPECT_GT(extent.cx, 0);
  EXPECT_GT(extent.cy, 0);
}

TEST(Win32Gui, WindowsReceiveMessagesAndPaintThroughTheControl) {
  Form form(nullptr);
  form.SetCaption(u"Test form");
  auto* badge = new Badge(&form);
  badge->SetParent(&form);
  form.Show();
  ASSERT_TRUE(::IsWindowVisible(reinterpret_cast<HWND>(form.Handle())));
  EXPECT_TRUE(PumpUntil([&] { return badge->paints > 0; }));
  EXPECT_EQ(::SendMessageW(reinterpret_cast<HWND>(badge->Handle()), WM_USER + 1, 0, 0), 99);
  // An exception in a handler stops at the window procedure.
  EXPECT_EQ(::SendMessageW(reinterpret_cast<HWND>(badge->Handle()), WM_USER + 2, 0, 0), 0);
  badge->throwInPaint = true;
  badge->Repaint();
  EXPECT_TRUE(PumpUntil([&] { return badge->paints > 1; }));
  const WindowHandle old = badge->Handle();
  badge->RecreateWnd();
  EXPECT_NE(badge->Handle(), old);
  EXPECT_FALSE(::IsWindow(reinterpret_cast<HWND>(old)));
}

TEST(Win32Gui, ClipboardRoundTripsTextAndACustomFormat) {
  Clipboard& clipboard = TheClipboard();
  const ClipboardFormat block = Clipboard::RegisterFormat(u"Toolkit Test Block");
  ASSERT_NE(block, 0u);
  clipboard.Open();
  clipboard.SetAsText(u"two\r\nlines \u00E9\u4E2D");
  const std::uint8_t bytes[] = {7, 1, 2, 3, 4, 5};
  clipboard.SetBuffer(block, bytes, sizeof bytes);
  clipboard.Close();
  EXPECT_TRUE(clipboard.HasFormat(cfUnicodeText));
  EXPECT_EQ(clipboard.AsText(), u"two\r\nlines \u00E9\u4E2D");
  const std::vector<std::uint8_t> back = clipboard.GetBuffer(block);
  ASSERT_GE(back.size(), sizeof bytes);  // the system may round the block up
  EXPECT_TRUE(std::equal(bytes, bytes + sizeof bytes, back.begin()));
  clipboard.SetAsText(u"alone");
  EXPECT_FALSE(clipboard.HasFormat(block));
}

// Counts how often it renders its one format, and when it goes.
class CountingData : public DataObject {
 public:
  CountingData(ClipboardFormat format, int& gone) : format_(format), gone_(gone) { Offer(format); }
  ~CountingData() override { ++gone_; }
  int renders = 0;

 protected:
  bool Render(ClipboardFormat format, std::vector<std::uint8_t>& data) override {
    ++renders;
    data = {9, 8, 7};
    return format == format_;
  }

 private:
  ClipboardFormat format_;
  int& gone_;
};

TEST(Win32Gui, ADataObjectRoundTripsThroughTheOleClipboard) {
  Backend& backend = CurrentBackend();
  const ClipboardFormat nodes = Clipboard::RegisterFormat(u"Toolkit Test Nodes");
  int gone = 0;
  auto data = std::make_shared<CountingData>(nodes, gone);
  const std::u16string text = u"ole \u00E9";
  std::vector<std::uint8_t> textBytes(reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                      reinterpret_cast<const std::uint8_t*>(text.c_str() + text.size() + 1));
  data->SetData(cfUnicodeText, textBytes);
  ASSERT_TRUE(backend.SetClipboardObject(data));
  data.reset();
  EXPECT_EQ(gone, 0);  // the clipboard holds it

  std::shared_ptr<DataObject> back = backend.ClipboardObject();
  ASSERT_TRUE(back);
  const std::vector<ClipboardFormat> formats = back->Formats();
  EXPECT_NE(std::find(formats.begin(), formats.end(), nodes), formats.end());
  EXPECT_TRUE(back->HasFormat(cfUnicodeText));
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(back->GetData(nodes, bytes));
  ASSERT_GE(bytes.size(), 3u);  // the system may round the block up
  EXPECT_EQ(bytes[0], 9);
  EXPECT_EQ(bytes[2], 7);
  // The user32 clipboard sees the same content.
  EXPECT_EQ(TheClipboard().AsText(), text);
  back.reset();  // a reader may hold the object itself

  // Flushing renders the formats into the clipboard and lets the object go.
  backend.FlushClipboard();
  EXPECT_EQ(gone, 1);
  ASSERT_TRUE(backend.ClipboardObject()->GetData(nodes, bytes));
  EXPECT_EQ(bytes[1], 8);
  ASSERT_TRUE(backend.SetClipboardObject(nullptr));
  EXPECT_FALSE(TheClipboard().HasFormat(nodes));
}

class Refuser : public DropTarget {
 public:
  void DragEnter(DataObject&, std::uint32_t, Point, DropEffects& effect) override { effect = de::None; }
  void DragOver(std::uint32_t, Point, DropEffects& effect) override { effect = de::None; }
  void DragLeave() override {}
  void Drop(DataObject&, std::uint32_t, Point, DropEffects& effect) override { effect = de::None; }
};

TEST(Win32Gui, AWindowRegistersAsADropTargetOnce) {
  Form form(nullptr);
  form.SetBounds(40, 40, 200, 100);
  form.Show();
  Refuser target;
  Backend& backend = CurrentBackend();
  EXPECT_TRUE(backend.RegisterDropTarget(form.Handle(), target));
  EXPECT_FALSE(backend.RegisterDropTarget(form.Handle(), target));
  backend.RevokeDropTarget(form.Handle());
  EXPECT_TRUE(backend.RegisterDropTarget(form.Handle(), target));
  backend.RevokeDropTarget(form.Handle());
}

TEST(Win32Gui, ClassicEdgesMatchTheHeadlessColours) {
  Bitmap bitmap(10, 8);
  Canvas& canvas = bitmap.GetCanvas();
  Rect rect{0, 0, 10, 8};
  canvas.DrawEdge(rect, edge::Raised, bf::Rect | bf::Middle | bf::Adjust);
  EXPECT_EQ(rect, (Rect{2, 2, 8, 6}));
  EXPECT_EQ(bitmap.Pixel(0, 0), ColorToRgb(cl3DLight));
  EXPECT_EQ(bitmap.Pixel(9, 7), ColorToRgb(cl3DDkShadow));
  EXPECT_EQ(bitmap.Pixel(1, 1), ColorToRgb(clBtnHighlight));
  EXPECT_EQ(bitmap.Pixel(8, 6), ColorToRgb(clBtnShadow));
  EXPECT_EQ(bitmap.Pixel(4, 4), ColorToRgb(clBtnFace));
}

TEST(Win32Gui, ATimerFires) {
  Timer timer(nullptr);
  struct Count {
    int ticks = 0;
    void Tick(Object*) { ++ticks; }
  } count;
  timer.SetInterval(20);
  timer.SetOnTimer(NotifyEvent(&count, &Count::Tick));
  EXPECT_TRUE(PumpUntil([&] { return count.ticks >= 2; }));
  timer.SetEnabled(false);
}

TEST(Win32Gui, BitmapsLoadFromTheProgramsResources) {
  Bitmap bitmap;
  win32::LoadBitmapResource(bitmap, ::GetModuleHandleW(nullptr), u"TOOLKIT_SWATCH");
  ASSERT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(bitmap.Pixel(0, 0), clRed);
  EXPECT_EQ(bitmap.Pixel(1, 0), clWhite);
  EXPECT_EQ(bitmap.Pixel(0, 1), clBlue);
  EXPECT_EQ(bitmap.Pixel(1, 1), clLime);
  try {
    win32::LoadBitmapResource(bitmap, ::GetModuleHandleW(nullptr), u"NOPE");
    FAIL();
  } catch (const Exception& error) {
    EXPECT_STREQ(error.what(), "Resource NOPE not found");
  }
}

TEST(Win32Gui, AHintWindowPopsUpWithoutTakingTheFocus) {
  HintWindow hint(nullptr);
  const Rect needed = hint.CalcHintRect(300, u"A hint", nullptr);
  EXPECT_GT(needed.Width(), 6);
  hint.ActivateHint(needed.Offset(50, 50), u"A hint");
  HWND window = reinterpret_cast<HWND>(hint.Handle());
  EXPECT_TRUE(::IsWindowVisible(window));
  EXPECT_NE(::GetForegroundWindow(), window);
  hint.ReleaseHandle();
  EXPECT_FALSE(::IsWindowVisible(window));
}

}  // namespace
