// The keys of Windows dialogs in kit forms: the first control gets the
// focus, Tab and Shift+Tab move it, Enter and Esc press the form's buttons.
// Keys are posted to the focused window and handled by the kit's loop.
#include <initializer_list>
#include <vector>

#include "kit_fixture.h"

using namespace runtime;

namespace kit_test {
namespace {

constexpr UINT_PTR kOk = 201;
constexpr UINT_PTR kCancel = 202;

// Clicks only: the edit tells its parent of focus changes too.
bool RecordCommand(void* data, TKitControl& form, TKitMessage& message) {
  if (message.message != WM_COMMAND || message.window != form.Window()) return false;
  if (HIWORD(message.wParam) != BN_CLICKED) return false;
  static_cast<std::vector<UINT_PTR>*>(data)->push_back(LOWORD(message.wParam));
  return true;
}

// A form with a label, an edit and two buttons, shown and active.
class KitKeys : public KitTest {
protected:
  void SetUp() override {
    KitTest::SetUp();
    form_ = NewForm(nullptr, QT("Keys"));
    SetControlSize(*form_, 320, 160);
    label_ = NewSystemControl(*form_, "Label", L"STATIC", QT("Name:"), {10, 10, 60, 30});
    edit_ = NewSystemControl(*form_, "Edit", L"EDIT", QT(""), {70, 10, 300, 32});
    ok_ = NewSystemControl(*form_, "Button", L"BUTTON", QT("OK"), {70, 60, 170, 90});
    cancel_ = NewSystemControl(*form_, "Button", L"BUTTON", QT("Cancel"), {180, 60, 280, 90});
    ok_->id = kOk;
    cancel_->id = kCancel;
    SetOnMessage(*form_, &RecordCommand, &commands_);
  }
  void TearDown() override {
    DestroyControl(*form_);
    for (TKitControl* control : std::initializer_list<TKitControl*>{form_, label_, edit_, ok_, cancel_})
      control->Release();
    KitTest::TearDown();
  }

  void Show() {
    ShowAndActivate(*form_);
    ProcessMessages();
  }

  // Posted as the system posts it, with Shift held or not.
  void Press(WPARAM key, bool shift = false) {
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    ::SetKeyboardState(state);
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
    ProcessMessages();
    state[VK_SHIFT] = 0;
    ::SetKeyboardState(state);
  }

  TKitForm* form_ = nullptr;
  TKitSystemControl* label_ = nullptr;
  TKitSystemControl* edit_ = nullptr;
  TKitSystemControl* ok_ = nullptr;
  TKitSystemControl* cancel_ = nullptr;
  std::vector<UINT_PTR> commands_;
};

TEST_F(KitKeys, TheFirstControlHasTheFocusAndTabMovesItAround) {
  Show();
  // The label is no tab stop.
  EXPECT_EQ(::GetFocus(), edit_->Window());
  Press(VK_TAB);
  EXPECT_EQ(::GetFocus(), ok_->Window());
  Press(VK_TAB);
  EXPECT_EQ(::GetFocus(), cancel_->Window());
  Press(VK_TAB);
  EXPECT_EQ(::GetFocus(), edit_->Window()) << "Tab wraps around";
  Press(VK_TAB, true);
  EXPECT_EQ(::GetFocus(), cancel_->Window()) << "Shift+Tab goes back";
  Press(VK_TAB, true);
  EXPECT_EQ(::GetFocus(), ok_->Window());
  // A disabled control is passed over.
  ::EnableWindow(cancel_->Window(), FALSE);
  Press(VK_TAB);
  EXPECT_EQ(::GetFocus(), edit_->Window());
  EXPECT_TRUE(commands_.empty()) << "moving the focus presses nothing";
}

// The loop makes the form visible at once: it is active before its
// controls exist.
TKitControl* focusExpected = nullptr;
bool focusSeen = false;

void CALLBACK LookAtTheFocus(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  focusSeen = ::GetFocus() == focusExpected->Window();
  CloseMainForm();
}

TEST_F(KitKeys, AFormTheLoopShowsStartsWithItsFirstControlFocused) {
  focusExpected = edit_;
  focusSeen = false;
  ::SetTimer(nullptr, 0, 100, &LookAtTheFocus);
  {
    Watchdog watchdog(kPatience);
    RunMessageLoop(*form_);
  }
  EXPECT_TRUE(focusSeen);
}

TEST_F(KitKeys, TheFormGivesTheFocusBackToTheControlThatHadIt) {
  Show();
  Press(VK_TAB);
  ASSERT_EQ(::GetFocus(), ok_->Window());
  ::SetFocus(form_->Window());
  EXPECT_EQ(::GetFocus(), ok_->Window());
}

TEST_F(KitKeys, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
  Show();
  ASSERT_EQ(::GetFocus(), edit_->Window());
  // Neither is set: the keys press nothing.
  Press(VK_RETURN);
  Press(VK_ESCAPE);
  EXPECT_TRUE(commands_.empty());

  form_->defaultButton = Retain<TKitControl>(ok_);
  form_->cancelButton = Retain<TKitControl>(cancel_);
  Press(VK_RETURN);
  Press(VK_ESCAPE);
  EXPECT_EQ(commands_, (std::vector<UINT_PTR>{kOk, kCancel}));
  // A focused push button is the one Enter presses.
  commands_.clear();
  ::SetFocus(cancel_->Window());
  Press(VK_RETURN);
  EXPECT_EQ(commands_, std::vector<UINT_PTR>{kCancel});
  // A disabled default button is not pressed.
  commands_.clear();
  ::SetFocus(edit_->Window());
  ::EnableWindow(ok_->Window(), FALSE);
  Press(VK_RETURN);
  EXPECT_TRUE(commands_.empty());
}

}  // namespace
}  // namespace kit_test
