#include <gtest/gtest.h>

#include <limits>

#include "headless_fixture.h"
#include "toolkit/controls/clipboard.h"
#include "toolkit/controls/form.h"
#include "toolkit/controls/screen.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/theme_services.h"

using namespace toolkit;
using toolkit::headless::Summaries;

namespace {

constexpr std::uint32_t kPing = msg::User + 7;

class Probe : public CustomControl {
 public:
  explicit Probe(Component* owner) : CustomControl(owner) {
    SetBounds(10, 10, 100, 50);
    TabStop = true;
  }
  std::string log;
  std::uint32_t extraStyle = 0;

 protected:
  void Dispatch(Message& message) override {
    if (message.msg == kPing) {
      message.result = static_cast<std::intptr_t>(message.wParam) * 2;
      return;
    }
    CustomControl::Dispatch(message);
  }
  void CreateParams(toolkit::CreateParams& params) override {
    CustomControl::CreateParams(params);
    params.style |= extraStyle;
  }
  void MouseDown(MouseButton, ShiftState shift, int x, int y) override {
    log += "down" + std::to_string(x) + "," + std::to_string(y) + ((shift & ssDouble) ? "d" : "") + ";";
  }
  void MouseUp(MouseButton, ShiftState, int x, int y) override {
    log += "up" + std::to_string(x) + "," + std::to_string(y) + ";";
  }
  void Click() override { log += "click;"; }
  void DoEnter() override { log += "enter;"; }
  void DoExit() override { log += "exit;"; }
};

struct FormFixture : HeadlessTest {
  void SetUp() override {
    HeadlessTest::SetUp();
    form = std::make_unique<Form>(nullptr);
    form->SetBounds(100, 100, 400, 300);
    first = new Probe(form.get());
    first->SetParent(form.get());
    second = new Probe(form.get());
    second->SetBounds(200, 10, 100, 50);
    second->SetParent(form.get());
    form->Show();
    backend->PumpAll();
  }
  std::unique_ptr<Form> form;
  Probe* first = nullptr;
  Probe* second = nullptr;
};

TEST_F(FormFixture, MessagesAreDispatchedByNumber) {
  EXPECT_EQ(first->Perform(kPing, 21), 42);
  EXPECT_EQ(backend->SendMessage(first->Handle(), kPing, 5, 0), 10);
  backend->PostMessage(first->Handle(), kPing, 1, 0);
  EXPECT_EQ(backend->PendingMessages(), 1u);
  TheApplication().ProcessMessages();
  EXPECT_EQ(backend->PendingMessages(), 0u);
  EXPECT_EQ(WinControl::FromHandle(first->Handle()), first);
}

TEST_F(FormFixture, FocusMovesWithEnterAndExit) {
  first->SetFocus();
  second->SetFocus();
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(first->log, "enter;exit;");
  EXPECT_EQ(second->log, "enter;");
  second->SetVisible(false);
  try {
    second->SetFocus();
    FAIL();
  } catch (const InvalidOperation& error) {
    EXPECT_STREQ(error.what(), "Cannot focus a disabled or invisible window");
  }
}

TEST_F(FormFixture, LeftPressCapturesTheMouseAndAReleaseInsideClicks) {
  backend->MouseButton(msg::LButtonDown, {115, 115}, mkLButton);
  EXPECT_TRUE(first->MouseCapture());
  // Captured: a release outside still reaches the control, but is no click.
  backend->MouseButton(msg::LButtonUp, {400, 400}, 0);
  EXPECT_FALSE(first->MouseCapture());
  EXPECT_EQ(first->log, "down5,5;up290,290;");
  first->log.clear();
  backend->MouseButton(msg::LButtonDown, {115, 115}, mkLButton);
  backend->MouseButton(msg::LButtonUp, {116, 116}, 0);
  backend->MouseButton(msg::LButtonDblClk, {116, 116}, mkLButton);
  EXPECT_EQ(first->log, "down5,5;click;up6,6;down6,6d;");
}

TEST_F(FormFixture, RecreatingTheWindowAppliesNewCreateParams) {
  const WindowHandle old = first->Handle();
  first->extraStyle = ws::VScroll;
  first->RecreateWnd();
  const WindowHandle fresh = first->Handle();
  EXPECT_NE(fresh, old);
  EXPECT_EQ(backend->Window(old), nullptr);
  const headless::WindowRecord* record = backend->Window(fresh);
  ASSERT_NE(record, nullptr);
  EXPECT_TRUE(record->params.style & ws::VScroll);
  EXPECT_TRUE(record->params.style & ws::Child);
  EXPECT_EQ(record->params.windowClassName, u"ToolkitCustomControl");
  EXPECT_EQ(record->parent, form->Handle());
  EXPECT_EQ(record->bounds, (Rect{10, 10, 110, 60}));
}

TEST_F(FormFixture, MouseEnterAndLeaveFollowTheMouseBetweenControls) {
  struct Log {
    std::string text;
    void Enter(Object* sender) { text += sender == this->first ? "enter1;" : "enter2;"; }
    void Leave(Object* sender) { text += sender == this->first ? "leave1;" : "leave2;"; }
    Object* first = nullptr;
  } log;
  log.first = first;
  for (Probe* probe : {first, second}) {
    probe->OnMouseEnter = NotifyEvent(&log, &Log::Enter);
    probe->OnMouseLeave = NotifyEvent(&log, &Log::Leave);
  }
  backend->MouseMove({115, 115});
  backend->MouseMove({116, 115});
  backend->MouseMove({305, 115});
  EXPECT_EQ(log.text, "enter1;leave1;enter2;");
}

TEST_F(FormFixture, KeysReachTheFocusedControlAndMayBeSwallowed) {
  struct Keys {
    std::string text;
    void Down(Object*, std::uint16_t& key, ShiftState shift) {
      text += "down" + std::to_string(key) + ((shift & ssCtrl) ? "c" : "") + ";";
      if (key == 'X') key = 0;
    }
    void Press(Object*, Char& key) {
      text += "press" + std::to_string(static_cast<int>(key)) + ";";
      key = u'b';
    }
  } keys;
  first->OnKeyDown = KeyEvent(&keys, &Keys::Down);
  first->OnKeyPress = KeyPressEvent(&keys, &Keys::Press);
  backend->SetShiftState(ssCtrl);
  first->Perform(msg::KeyDown, 'X');
  backend->SetShiftState(0);
  first->Perform(msg::KeyDown, 'Y');
  first->Perform(msg::Character, 'a');
  EXPECT_EQ(keys.text, "down88c;down89;press97;");
}

TEST_F(FormFixture, BoundsFollowTheWindowWhenTheSystemChangesThem) {
  struct Count {
    int resizes = 0;
    void Resized(Object*) { ++resizes; }
  } count;
  form->OnResize = NotifyEvent(&count, &Count::Resized);
  backend->SetWindowBounds(form->Handle(), {50, 60, 450, 260});
  EXPECT_EQ(form->BoundsRect(), (Rect{50, 60, 450, 260}));
  EXPECT_EQ(count.resizes, 1);
  backend->SetWindowBounds(form->Handle(), {0, 0, 400, 200});
  EXPECT_EQ(form->Left(), 0);
  EXPECT_EQ(count.resizes, 1);  // a move alone is no resize
  form->SetBounds(0, 0, 300, 200);
  EXPECT_EQ(count.resizes, 2);
}

TEST_F(FormFixture, ScrollInfoIsKeptInItsRange) {
  first->SetScrollInfo(ScrollBarKind::Vertical, {0, 99, 10, 500});
  EXPECT_EQ(first->GetScrollInfo(ScrollBarKind::Vertical), (ScrollInfo{0, 99, 10, 90, 90}));
  first->SetScrollInfo(ScrollBarKind::Horizontal, {0, 10, 0, -4});
  EXPECT_EQ(first->GetScrollInfo(ScrollBarKind::Horizontal).pos, 0);
  // A range at the ends of int keeps the position inside it.
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  first->SetScrollInfo(ScrollBarKind::Vertical, {kMin, kMin + 10, kMax, kMax});
  EXPECT_EQ(first->GetScrollInfo(ScrollBarKind::Vertical).pos, kMin);
}

TEST_F(FormFixture, TheCursorComesFromTheControlUnlessTheScreenOverrides) {
  first->SetCursor(cr::IBeam);
  backend->MouseMove({120, 120});
  EXPECT_EQ(backend->CursorShape(), cr::IBeam);
  TheScreen().SetCursor(cr::HourGlass);
  backend->MouseMove({121, 120});
  EXPECT_EQ(backend->CursorShape(), cr::HourGlass);
  TheScreen().SetCursor(cr::Default);
}

class DragTarget : public Probe {
 public:
  using Probe::Probe;
  bool acceptDrop = true;
  void DragOver(Control* source, int x, int y, DragState state, bool& accept) override {
    (void)source;
    log += std::string(state == DragState::Enter ? "enter" : state == DragState::Move ? "over" : "leave") +
           std::to_string(x) + ";";
    (void)y;
    accept = acceptDrop;
  }
  void DragDrop(Control*, int x, int y) override { log += "drop" + std::to_string(x) + "," + std::to_string(y) + ";"; }
};

TEST_F(HeadlessTest, DraggingStartsBeyondTheThresholdAndDropsOnAnAcceptingTarget) {
  Form form(nullptr);
  form.SetBounds(0, 0, 400, 300);
  auto* source = new Probe(&form);
  source->SetParent(&form);
  source->SetDragMode(DragMode::Automatic);
  auto* target = new DragTarget(&form);
  target->SetBounds(200, 10, 100, 50);
  target->SetParent(&form);
  form.Show();
  struct Ends {
    std::string log;
    void Start(Object*) { log += "start;"; }
    void End(Object*, Object* to, int, int) { log += to ? "end-dropped;" : "end-cancelled;"; }
  } ends;
  source->OnStartDrag = StartDragEvent(&ends, &Ends::Start);
  source->OnEndDrag = EndDragEvent(&ends, &Ends::End);

  backend->MouseButton(msg::LButtonDown, {20, 20}, mkLButton);
  backend->MouseMove({24, 24}, mkLButton);  // within the threshold of 5
  EXPECT_FALSE(source->Dragging());
  backend->MouseMove({25, 20}, mkLButton);
  EXPECT_TRUE(source->Dragging());
  backend->MouseMove({210, 20}, mkLButton);
  backend->MouseMove({211, 20}, mkLButton);
  EXPECT_EQ(backend->CursorShape(), cr::Drag);
  backend->MouseButton(msg::LButtonUp, {211, 20}, 0);
  EXPECT_EQ(target->log, "enter10;over11;drop11,10;");
  EXPECT_EQ(ends.log, "start;end-dropped;");
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(source->log.find("click"), std::string::npos);

  target->log.clear();
  ends.log.clear();
  target->acceptDrop = false;
  backend->MouseButton(msg::LButtonDown, {20, 20}, mkLButton);
  backend->MouseMove({210, 20}, mkLButton);
  EXPECT_EQ(backend->CursorShape(), cr::NoDrop);
  backend->MouseButton(msg::LButtonUp, {210, 20}, 0);
  EXPECT_EQ(target->log, "enter10;leave10;");
  EXPECT_EQ(ends.log, "start;end-cancelled;");
}

TEST_F(HeadlessTest, TimerFiresOnTheManualClock) {
  Timer timer(nullptr);
  struct Count {
    int ticks = 0;
    void Tick(Object*) { ++ticks; }
  } count;
  timer.SetInterval(100);
  timer.SetOnTimer(NotifyEvent(&count, &Count::Tick));
  backend->AdvanceClock(99);
  EXPECT_EQ(count.ticks, 0);
  backend->AdvanceClock(1);
  EXPECT_EQ(count.ticks, 1);
  backend->AdvanceClock(250);
  EXPECT_EQ(count.ticks, 3);
  EXPECT_EQ(backend->TickCount(), 350u);
  timer.SetEnabled(false);
  backend->AdvanceClock(1000);
  EXPECT_EQ(count.ticks, 3);
}

TEST_F(HeadlessTest, ClipboardKeepsTextAndCustomFormats) {
  Clipboard& clipboard = TheClipboard();
  const ClipboardFormat block = Clipboard::RegisterFormat(u"Toolkit Test Block");
  EXPECT_EQ(Clipboard::RegisterFormat(u"toolkit test BLOCK"), block);
  EXPECT_GE(block, 0xC000u);
  clipboard.Open();
  clipboard.SetAsText(u"line one\r\n\u00FCber");
  const std::uint8_t mode[] = {2, 0, 0, 0};
  clipboard.SetBuffer(block, mode, sizeof mode);
  clipboard.Close();
  EXPECT_EQ(clipboard.AsText(), u"line one\r\n\u00FCber");
  EXPECT_EQ(clipboard.GetBuffer(block), std::vector<std::uint8_t>(mode, mode + 4));
  // A single write outside a bracket replaces everything.
  clipboard.SetAsText(u"alone");
  EXPECT_FALSE(clipboard.HasFormat(block));
  clipboard.Clear();
  EXPECT_EQ(clipboard.AsText(), u"");
  // Someone else holding the clipboard open is reported.
  backend->Clipboard().Open();
  try {
    clipboard.SetAsText(u"x");
    FAIL();
  } catch (const Exception& error) {
    EXPECT_STREQ(error.what(), "Cannot open clipboard");
  }
  backend->Clipboard().Close();
}

TEST_F(HeadlessTest, ThemesCanBeSwitchedOffByTheApplication) {
  ThemeServices& themes = TheThemeServices();
  Bitmap bitmap(10, 10);
  EXPECT_FALSE(themes.DrawElement(bitmap.GetCanvas(), {ThemeElement::Button, 1, 1}, {0, 0, 10, 10}));
  backend->SetThemesAvailable(true);
  EXPECT_TRUE(themes.ThemesEnabled());
  EXPECT_TRUE(themes.DrawElement(bitmap.GetCanvas(), {ThemeElement::Header, 1, 2}, {0, 0, 10, 10}));
  EXPECT_EQ(backend->OffscreenDrawing().back().ToString(), "Themed(1 1,2 0,0,10,10)");
  struct Count {
    int changes = 0;
    void Changed(Object*) { ++changes; }
  } count;
  themes.OnThemeChange().AddHandler(NotifyEvent(&count, &Count::Changed));
  themes.SetThemesEnabled(false);
  EXPECT_FALSE(themes.ThemesEnabled());
  themes.SetThemesEnabled(true);
  EXPECT_EQ(count.changes, 2);
  themes.OnThemeChange().RemoveHandler(NotifyEvent(&count, &Count::Changed));
}

TEST_F(HeadlessTest, EdgesAreDrawnThemedOrClassicAndAdjustTheRectangle) {
  ThemeServices& themes = TheThemeServices();
  Bitmap bitmap(10, 8);
  Canvas& canvas = bitmap.GetCanvas();
  canvas.GetBrush().SetColor(clWhite);
  canvas.FillRect({0, 0, 10, 8});
  const ThemedPart header{ThemeElement::Header, 1, 2};
  // Without themes the classic raised edge: light top-left, dark bottom-right
  // rings, the middle in the face colour.
  Rect rect{0, 0, 10, 8};
  themes.DrawEdge(canvas, header, rect, edge::Raised, bf::Rect | bf::Middle | bf::Adjust);
  EXPECT_EQ(rect, (Rect{2, 2, 8, 6}));
  EXPECT_EQ(backend->OffscreenDrawing().back().ToString(), "Edge(0,0,10,8 edge=5 sides=0x80F)");
  EXPECT_EQ(bitmap.Pixel(0, 0), ColorToRgb(cl3DLight));
  EXPECT_EQ(bitmap.Pixel(9, 7), ColorToRgb(cl3DDkShadow));
  EXPECT_EQ(bitmap.Pixel(1, 1), ColorToRgb(clBtnHighlight));
  EXPECT_EQ(bitmap.Pixel(8, 6), ColorToRgb(clBtnShadow));
  EXPECT_EQ(bitmap.Pixel(4, 4), ColorToRgb(clBtnFace));
  // Only the sides asked for: a sunken outer line along the bottom.
  Rect bottom{0, 0, 10, 8};
  canvas.DrawEdge(bottom, edge::SunkenOuter, bf::Bottom | bf::Adjust);
  EXPECT_EQ(bottom, (Rect{0, 0, 10, 7}));
  EXPECT_EQ(bitmap.Pixel(3, 7), ColorToRgb(clBtnHighlight));
  // With themes the part's theme draws it, and the rectangle adjusts alike.
  backend->SetThemesAvailable(true);
  rect = {0, 0, 10, 8};
  themes.DrawEdge(canvas, header, rect, edge::Sunken, bf::Left | bf::Top | bf::Adjust);
  EXPECT_EQ(rect, (Rect{2, 2, 10, 8}));
  EXPECT_EQ(backend->OffscreenDrawing().back().ToString(), "Edge(0,0,10,8 edge=10 sides=0x3 themed=1/1/2)");
}

TEST_F(FormFixture, TheBorderIsPaintedAroundTheWholeWindow) {
  ThemeServices& themes = TheThemeServices();
  themes.PaintBorder(first->Handle(), first->Enabled());
  EXPECT_NE(Summaries(backend->Drawing(first->Handle())).find("Edge(0,0,100,50 edge=10 sides=0xF)\n"),
            std::string::npos);
  backend->SetThemesAvailable(true);
  first->SetEnabled(false);
  themes.PaintBorder(first->Handle(), first->Enabled());
  EXPECT_EQ(backend->Drawing(first->Handle()).back().ToString(), "Edge(0,0,100,50 edge=10 sides=0xF themed=3/1/4)");
  // Without a window there is no border to paint.
  const std::size_t drawn = backend->Drawing(first->Handle()).size();
  themes.PaintBorder(0, true);
  EXPECT_EQ(backend->Drawing(first->Handle()).size(), drawn);
}

}  // namespace
