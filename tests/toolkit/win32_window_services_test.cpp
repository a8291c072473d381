// Real windows: the caret, scrolling contents, the non-client area, the
// wheel, file drops sent in-process, sends from another thread and the
// filtered peek.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "toolkit/controls/custom_control.h"
#include "toolkit/controls/form.h"
#include "toolkit/win32/windows_api.h"
#include "win32_pump.h"

// After the platform headers it needs.
#include <shlobj.h>

using namespace toolkit;

namespace {

constexpr std::uint32_t kPing = msg::User + 9;
constexpr int kHeader = 20;

HWND Hwnd(WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

class Pane : public CustomControl {
 public:
  explicit Pane(Component* owner) : CustomControl(owner) {
    SetBounds(10, 10, 200, 100);
    TabStop = true;
  }
  bool reserveHeader = false;
  bool clientEdge = false;
  std::string log;
  DWORD pingThread = 0;

 protected:
  void CreateParams(toolkit::CreateParams& params) override {
    CustomControl::CreateParams(params);
    if (clientEdge) params.exStyle |= ws::ExClientEdge;
  }
  void Dispatch(Message& message) override {
    if (message.msg == msg::NcCalcSize) {
      CustomControl::Dispatch(message);
      if (reserveHeader) reinterpret_cast<Rect*>(message.lParam)->top += kHeader;
      return;
    }
    if (message.msg == kPing) {
      pingThread = ::GetCurrentThreadId();
      message.result = static_cast<std::intptr_t>(message.wParam) + 1;
      return;
    }
    CustomControl::Dispatch(message);
  }
  bool DoMouseWheel(ShiftState, int delta, Point) override {
    log += "wheel" + std::to_string(delta) + ";";
    return true;
  }
  void FilesDropped(const DroppedFiles& files) override {
    log += "drop" + std::to_string(files.point.x) + "," + std::to_string(files.point.y);
    for (const String& name : files.names) log += " " + std::string(name.begin(), name.end());
    log += ";";
  }
};

struct Win32Windows : ::testing::Test {
  void SetUp() override {
    form = std::make_unique<Form>(nullptr);
    form->SetBounds(50, 50, 400, 300);
    pane = new Pane(form.get());
    pane->SetParent(form.get());
    form->Show();
    TheApplication().ProcessMessages();
  }
  std::unique_ptr<Form> form;
  Pane* pane = nullptr;
};

TEST_F(Win32Windows, TheCaretIsCreatedShownMovedAndDestroyed) {
  Backend& backend = CurrentBackend();
  ASSERT_TRUE(backend.CreateCaret(pane->Handle(), 2, 16));
  backend.ShowCaret(pane->Handle());
  backend.SetCaretPos({12, 4});
  EXPECT_EQ(backend.CaretPos(), (Point{12, 4}));
  backend.HideCaret(pane->Handle());
  backend.DestroyCaret();
}

TEST_F(Win32Windows, ScrollingContentsInvalidatesWhatWasUncovered) {
  ::ValidateRect(Hwnd(pane->Handle()), nullptr);
  const std::vector<Rect> uncovered =
      CurrentBackend().ScrollWindow(pane->Handle(), 0, 10, nullptr, nullptr, sw::Invalidate);
  ASSERT_EQ(uncovered.size(), 1u);
  EXPECT_EQ(uncovered[0], (Rect{0, 0, 200, 10}));
  RECT update{};
  ASSERT_TRUE(::GetUpdateRect(Hwnd(pane->Handle()), &update, FALSE));
  EXPECT_EQ(update.top, 0);
  EXPECT_EQ(update.bottom, 10);
}

TEST_F(Win32Windows, TheClientAreaLeavesOutTheEdgeAndWhatTheControlReserves) {
  pane->clientEdge = true;
  pane->reserveHeader = true;
  pane->RecreateWnd();
  const int edge = ::GetSystemMetrics(SM_CXEDGE);
  EXPECT_EQ(pane->ClientRect(), (Rect{0, 0, 200 - 2 * edge, 100 - 2 * edge - kHeader}));
  pane->reserveHeader = false;
  CurrentBackend().FrameChanged(pane->Handle());
  EXPECT_EQ(pane->ClientHeight(), 100 - 2 * edge);
  EXPECT_EQ(CurrentBackend().SystemMetricValue(SystemMetric::EdgeWidth), edge);
}

TEST_F(Win32Windows, TheWheelReachesTheFocusedControl) {
  pane->SetFocus();
  ASSERT_TRUE(pane->Focused());
  const WPARAM wParam = static_cast<WPARAM>(static_cast<std::uint16_t>(-WHEEL_DELTA)) << 16;
  ::SendMessageW(Hwnd(form->Handle()), WM_MOUSEWHEEL, wParam, MAKELPARAM(100, 100));
  EXPECT_EQ(pane->log, "wheel-120;");
}

TEST_F(Win32Windows, FilesDroppedInProcessAreReadAndReleased) {
  pane->SetAcceptsFiles(true);
  const wchar_t names[] = L"C:\\a.txt\0C:\\b.qel\0";
  HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof names);
  ASSERT_NE(memory, nullptr);
  auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = {7, 8};
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names, sizeof names);
  ::GlobalUnlock(memory);
  EXPECT_EQ(::SendMessageW(Hwnd(pane->Handle()), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0), 0);
  EXPECT_EQ(pane->log, "drop7,8 C:\\a.txt C:\\b.qel;");
}

TEST_F(Win32Windows, AMessageSentFromAnotherThreadRunsOnTheWindowsThread) {
  const WindowHandle handle = pane->Handle();
  std::intptr_t answer = 0;
  std::thread worker([&] { answer = CurrentBackend().SendMessage(handle, kPing, 41, 0); });
  EXPECT_TRUE(PumpUntil([&] { return answer != 0; }));
  worker.join();
  EXPECT_EQ(answer, 42);
  EXPECT_EQ(pane->pingThread, ::GetCurrentThreadId());
}

TEST_F(Win32Windows, AFilteredPeekTakesOnlyTheMessageAsked) {
  Backend& backend = CurrentBackend();
  backend.PostMessage(pane->Handle(), msg::User, 1, 0);
  backend.PostMessage(pane->Handle(), kPing, 2, 0);
  QueuedMessage found;
  ASSERT_TRUE(backend.PeekMessage(pane->Handle(), kPing, kPing, true, found));
  EXPECT_EQ(found.wParam, 2u);
  EXPECT_FALSE(backend.PeekMessage(pane->Handle(), kPing, kPing, true, found));
  ASSERT_TRUE(backend.PeekMessage(pane->Handle(), msg::User, msg::User, true, found));
  EXPECT_EQ(found.wParam, 1u);
}

}  // namespace
