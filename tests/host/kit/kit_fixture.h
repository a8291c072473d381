// Kit tests make real windows under Wine and drive them with posted and sent
// messages. Every test starts from a fresh kit state; a test that could hang
// arms a watchdog, whose timer ends the loop (or cancels the dialogs) and
// fails the test.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "host/error_relay.h"
#include "host/kit/kit.h"
#include "runtime/error.h"

using namespace runtime;

namespace kit_test {

using namespace host::kit;

// Wine without a window manager takes about two seconds to hide or destroy
// a visible top-level window; the watchdog allows for a few of those.
constexpr UINT kPatience = 20000;

class KitTest : public testing::Test {
protected:
  void SetUp() override { ResetKitState(); }
  void TearDown() override {
    ResetKitState();
    ::EnumThreadWindows(::GetCurrentThreadId(), &DestroyKitWindow, 0);
    EXPECT_FALSE(host::ErrorRelay::Pending()) << "a script error was left for later";
    host::ErrorRelay::Discard();
  }

private:
  static BOOL CALLBACK DestroyKitWindow(HWND window, LPARAM) {
    if (ControlOfWindow(window)) ::DestroyWindow(window);
    return TRUE;
  }
};

// A form that stays hidden until shown: quick to destroy under Wine.
inline TKitForm* NewHiddenForm(TextView caption) {
  TKitForm* form = NewForm(nullptr, caption);
  form->style &= ~DWORD(WS_VISIBLE);
  return form;
}

// Holds the creation reference of a control for the test's scope.
template <class T>
class Held {
public:
  explicit Held(T* control) : control_(control) {}
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ~Held() { ReleaseObject(control_); }
  T* operator->() const { return control_; }
  T& operator*() const { return *control_; }
  T* get() const { return control_; }

private:
  T* control_;
};

// A thread timer: inside a loop or a dialog it ends what might hang.
class Watchdog {
public:
  explicit Watchdog(UINT milliseconds) {
    fired_ = false;
    timer_ = ::SetTimer(nullptr, 0, milliseconds, &Fire);
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;
  ~Watchdog() {
    ::KillTimer(nullptr, timer_);
    EXPECT_FALSE(fired_) << "the watchdog had to end the test";
  }

private:
  static BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
    wchar_t name[16] = {};
    ::GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32770") ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
  }
  static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
    fired_ = true;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CancelDialog, 0);
    if (MainForm()) CloseMainForm();
  }

  static inline bool fired_ = false;
  UINT_PTR timer_ = 0;
};

inline std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

}  // namespace kit_test
