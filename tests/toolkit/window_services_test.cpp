// Windows beyond the basics on the headless backend: the caret, scrolling
// contents, the non-client area, regions, activation, the wheel, file drops,
// sends from other threads and the filtered peek.
#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "headless_fixture.h"
#include "toolkit/controls/custom_control.h"
#include "toolkit/controls/form.h"

using namespace toolkit;

namespace {

constexpr std::uint32_t kPing = msg::User + 9;
constexpr int kHeader = 20;

// A child control that can reserve a header above its client area, and logs
// what reaches it.
class Pane : public CustomControl {
 public:
  explicit Pane(Component* owner, int left = 10, int top = 10) : CustomControl(owner) {
    SetBounds(left, top, 200, 100);
    TabStop = true;
  }
  std::uint32_t extraStyle = 0;
  std::uint32_t extraExStyle = 0;
  bool reserveHeader = false;
  bool handleWheel = false;
  std::string log;
  std::thread::id pingThread;

 protected:
  void CreateParams(toolkit::CreateParams& params) override {
    CustomControl::CreateParams(params);
    params.style |= extraStyle;
    params.exStyle |= extraExStyle;
  }
  void Dispatch(Message& message) override {
    switch (message.msg) {
      case msg::NcCalcSize:
        CustomControl::Dispatch(message);
        if (reserveHeader) reinterpret_cast<Rect*>(message.lParam)->top += kHeader;
        return;
      case msg::NcLButtonDown:
        log += "nc-down" + std::to_string(message.wParam) + ";";
        return;
      case kPing:
        pingThread = std::this_thread::get_id();
        message.result = static_cast<std::intptr_t>(message.wParam) + 1;
        return;
      default:
        CustomControl::Dispatch(message);
    }
  }
  bool DoMouseWheel(ShiftState shift, int delta, Point pos) override {
    log += Name().empty() ? "" : std::string(Name().begin(), Name().end());
    log += "wheel" + std::to_string(delta) + "@" + std::to_string(pos.x) + "," + std::to_string(pos.y) + ";";
    return handleWheel || CustomControl::DoMouseWheel(shift, delta, pos);
  }
  void FilesDropped(const DroppedFiles& files) override {
    log += "drop" + std::to_string(files.point.x) + "," + std::to_string(files.point.y);
    for (const String& name : files.names) log += " " + std::string(name.begin(), name.end());
    log += ";";
    if (files.names.size() > 2) throw std::runtime_error("too many");
  }
};

struct WindowFixture : HeadlessTest {
  void SetUp() override {
    HeadlessTest::SetUp();
    form = std::make_unique<Form>(nullptr);
    form->SetBounds(100, 100, 400, 300);
    pane = new Pane(form.get());
    pane->SetParent(form.get());
    form->Show();
    backend->PumpAll();
  }
  std::unique_ptr<Form> form;
  Pane* pane = nullptr;
};

TEST_F(WindowFixture, TheCaretShowsOnceEveryHideIsUndoneAndGoesWithItsWindow) {
  EXPECT_EQ(backend->Caret(), nullptr);
  ASSERT_TRUE(backend->CreateCaret(pane->Handle(), 2, 16));
  ASSERT_NE(backend->Caret(), nullptr);
  EXPECT_FALSE(backend->Caret()->Visible());  // created hidden
  backend->ShowCaret(pane->Handle());
  EXPECT_TRUE(backend->Caret()->Visible());
  backend->HideCaret(pane->Handle());
  backend->HideCaret(pane->Handle());
  backend->ShowCaret(pane->Handle());
  EXPECT_FALSE(backend->Caret()->Visible());
  backend->ShowCaret(0);
  EXPECT_TRUE(backend->Caret()->Visible());
  backend->ShowCaret(form->Handle());  // not the owner: nothing
  backend->SetCaretPos({12, 4});
  EXPECT_EQ(backend->CaretPos(), (Point{12, 4}));
  EXPECT_EQ(backend->Caret()->size, (Size{2, 16}));
  EXPECT_FALSE(backend->CreateCaret(0x7FFF0, 1, 1));
  pane->DestroyHandle();
  EXPECT_EQ(backend->Caret(), nullptr);
}

struct ScrollCase {
  int dx, dy;
  std::vector<Rect> uncovered;
};

TEST_F(WindowFixture, ScrollingContentsAnswersTheUncoveredArea) {
  const ScrollCase cases[] = {
      {0, 10, {{0, 0, 200, 10}}},
      {0, -10, {{0, 90, 200, 100}}},
      {5, 0, {{0, 0, 5, 100}}},
      {-5, -10, {{195, 0, 200, 100}, {0, 90, 195, 100}}},
      {0, 300, {{0, 0, 200, 100}}},
      {0, 0, {}},
  };
  for (const ScrollCase& c : cases) {
    backend->PumpAll();
    EXPECT_EQ(backend->ScrollWindow(pane->Handle(), c.dx, c.dy, nullptr, nullptr, 0), c.uncovered)
        << c.dx << "," << c.dy;
    EXPECT_TRUE(backend->Window(pane->Handle())->invalid.IsEmpty());
  }
  // Within a part of the window, invalidating what was uncovered.
  const Rect part{0, 20, 200, 60};
  EXPECT_EQ(backend->ScrollWindow(pane->Handle(), 0, -8, &part, nullptr, sw::Invalidate),
            (std::vector<Rect>{{0, 52, 200, 60}}));
  EXPECT_EQ(backend->Window(pane->Handle())->invalid, (Rect{0, 52, 200, 60}));
  // Children move along when asked.
  Pane* child = new Pane(form.get(), 5, 5);
  child->SetBounds(5, 5, 20, 20);
  child->SetParent(pane);
  backend->ScrollWindow(pane->Handle(), 3, 4, nullptr, nullptr, sw::ScrollChildren);
  EXPECT_EQ(backend->WindowBounds(child->Handle()), (Rect{8, 9, 28, 29}));
}

TEST_F(WindowFixture, TheClientAreaLeavesOutBordersScrollBarsAndWhatTheControlReserves) {
  pane->extraExStyle = ws::ExClientEdge;
  pane->extraStyle = ws::VScroll;
  pane->reserveHeader = true;
  pane->RecreateWnd();
  const int edge = backend->SystemMetricValue(SystemMetric::EdgeWidth);
  const int bar = backend->SystemMetricValue(SystemMetric::ScrollBarWidth);
  EXPECT_EQ(pane->ClientRect(), (Rect{0, 0, 200 - 2 * edge - bar, 100 - 2 * edge - kHeader}));
  const Point origin = backend->ClientToScreen(pane->Handle(), {0, 0});
  EXPECT_EQ(origin, (Point{100 + 10 + edge, 100 + 10 + edge + kHeader}));
  // The header gets non-client mouse messages; the client area the usual ones.
  backend->MouseButton(msg::LButtonDown, {origin.x + 5, origin.y - 5}, mkLButton);
  EXPECT_EQ(pane->log, "nc-down" + std::to_string(ht::Border) + ";");
  // Hiding the scroll bar gives its room back.
  backend->ShowScrollBar(pane->Handle(), ScrollBarKind::Vertical, false);
  EXPECT_EQ(pane->ClientWidth(), 200 - 2 * edge);
  pane->reserveHeader = false;
  backend->FrameChanged(pane->Handle());
  EXPECT_EQ(pane->ClientHeight(), 100 - 2 * edge);
}

TEST_F(WindowFixture, ARegionDecidesWhereTheWindowIsAndShowingMayLeaveTheActiveWindow) {
  const Point inside = backend->ClientToScreen(pane->Handle(), {150, 80});
  EXPECT_EQ(backend->WindowFromPoint(inside), pane->Handle());
  const Region region(Rect{0, 0, 100, 100});
  backend->SetWindowRegion(pane->Handle(), &region);
  EXPECT_EQ(backend->WindowFromPoint(inside), form->Handle());
  backend->SetWindowRegion(pane->Handle(), nullptr);
  EXPECT_EQ(backend->WindowFromPoint(inside), pane->Handle());

  EXPECT_EQ(backend->ActiveWindow(), form->Handle());
  Form popup(nullptr);
  popup.SetBounds(0, 0, 50, 50);
  popup.HandleNeeded();
  backend->ShowWindowNoActivate(popup.Handle());
  EXPECT_TRUE(backend->Window(popup.Handle())->visible);
  EXPECT_EQ(backend->ActiveWindow(), form->Handle());
}

TEST_F(WindowFixture, TheWheelGoesToTheFocusedControlThenUpItsParents) {
  Pane* inner = new Pane(form.get(), 5, 5);
  inner->SetName(u"inner");
  inner->SetBounds(5, 5, 50, 50);
  inner->SetParent(pane);
  pane->SetName(u"pane");
  inner->SetFocus();
  backend->MouseWheel({300, 300}, -kWheelDelta);
  EXPECT_EQ(inner->log, "innerwheel-120@300,300;");
  EXPECT_EQ(pane->log, "panewheel-120@300,300;");
  // Handled by the focused control: its parent never hears of it.
  inner->handleWheel = true;
  pane->log.clear();
  const std::uintptr_t wParam = static_cast<std::uintptr_t>(static_cast<std::uint16_t>(2 * kWheelDelta)) << 16;
  EXPECT_EQ(backend->SendMessage(form->Handle(), msg::MouseWheel, wParam, PackPoint(1, 2)), 1);
  EXPECT_EQ(pane->log, "");
}

TEST_F(WindowFixture, DroppedFilesReachTheNearestAcceptingWindowAndTheDropIsAlwaysReleased) {
  Pane* inner = new Pane(form.get(), 5, 5);
  inner->SetParent(pane);
  EXPECT_EQ(backend->DropFiles(inner->Handle(), {1, 1}, {u"a.txt"}), 0u);  // nobody accepts
  pane->SetAcceptsFiles(true);
  EXPECT_NE(backend->DropFiles(inner->Handle(), {1, 2}, {u"a.txt", u"b.qel"}), 0u);
  EXPECT_EQ(pane->log, "drop6,7 a.txt b.qel;");
  EXPECT_EQ(backend->OpenDrops(), 0u);
  // A handler that fails still lets the drop go.
  EXPECT_THROW(backend->DropFiles(pane->Handle(), {0, 0}, {u"1", u"2", u"3"}), std::runtime_error);
  EXPECT_EQ(backend->OpenDrops(), 0u);
  // The setting outlives a new window.
  pane->RecreateWnd();
  EXPECT_TRUE(backend->Window(pane->Handle())->acceptsFiles);
}

TEST_F(WindowFixture, AMessageSentFromAnotherThreadRunsOnTheMainThread) {
  const WindowHandle handle = pane->Handle();
  std::intptr_t answer = 0;
  std::thread worker([&] { answer = backend->SendMessage(handle, kPing, 41, 0); });
  while (answer == 0) TheApplication().ProcessMessages();
  worker.join();
  EXPECT_EQ(answer, 42);
  EXPECT_EQ(pane->pingThread, std::this_thread::get_id());
}

TEST_F(WindowFixture, AFilteredPeekTakesOnlyTheMessagesAsked) {
  const WindowHandle other = form->Handle();
  backend->PostMessage(other, kPing, 1, 0);
  backend->PostMessage(pane->Handle(), msg::User, 2, 0);
  backend->PostMessage(pane->Handle(), kPing, 3, 0);
  QueuedMessage found;
  EXPECT_FALSE(backend->PeekMessage(pane->Handle(), msg::Timer, msg::Timer, true, found));
  ASSERT_TRUE(backend->PeekMessage(pane->Handle(), kPing, kPing, false, found));
  EXPECT_EQ(found.wParam, 3u);
  EXPECT_EQ(backend->PendingMessages(), 3u);
  ASSERT_TRUE(backend->PeekMessage(pane->Handle(), kPing, kPing, true, found));
  EXPECT_EQ(backend->PendingMessages(), 2u);
  ASSERT_TRUE(backend->PeekMessage(0, 0, 0, true, found));
  EXPECT_EQ(found.window, other);
}

TEST_F(WindowFixture, SystemValuesAreFixed) {
  EXPECT_EQ(backend->SystemMetricValue(SystemMetric::ScrollBarWidth), 17);
  EXPECT_EQ(backend->SystemMetricValue(SystemMetric::ScrollBarHeight), 17);
  EXPECT_EQ(backend->SystemMetricValue(SystemMetric::EdgeWidth), 2);
  EXPECT_EQ(backend->SystemMetricValue(SystemMetric::FrameHeight), 4);
  EXPECT_EQ(backend->SystemMetricValue(SystemMetric::MenuCheckWidth), 13);
  EXPECT_TRUE(backend->SystemSettingOn(SystemSetting::DragFullWindows));
}

}  // namespace
