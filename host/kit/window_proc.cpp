#include "host/kit/window_proc.h"

#include "host/error_relay.h"
#include "host/kit/appearance.h"
#include "host/kit/kit_api.h"
#include "host/kit/kit_control.h"
#include "host/kit/kit_state.h"
#include "runtime/base/ref.h"

using namespace runtime;

namespace host::kit {

namespace {

// Script code behind an event runs guarded: its error is kept for the script
// side and the message goes on as if the event had not claimed it.
bool RunMessageEvent(TKitControl& owner, TKitMessage& message) {
  const TKitMessageEvent code = owner.MessageEvent();
  if (!code) return false;
  void* data = owner.MessageEventData();
  return ErrorRelay::Guard(false, [&] { return code(data, owner, message); });
}

bool RunHandlers(TKitControl& control, TKitMessage& message) {
  // By index: a handler may install another.
  for (size_t i = 0; i < control.Handlers().size(); ++i)
    if (control.Handlers()[i](control, message)) return true;
  return false;
}

bool HandleKey(TKitControl& control, TKitMessage& message) {
  if (::GetFocus() != control.Window()) {
    message.result = 0;
    return true;
  }
  if (control.KeyboardHook(message)) return true;
  if (::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0) return false;
  if (message.message == WM_CHAR) {
    if (message.wParam != '\t') return false;
    message.wParam = 0;
    message.result = 0;
    return true;
  }
  const bool isChar = message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN;
  if (!control.Navigate(message.wParam, isChar)) return false;
  message.result = 0;
  return true;
}

// The kit's own handling; true when it has set the result.
bool HandleBuiltIn(TKitControl& control, TKitMessage& message) {
  const bool own = message.window == control.Window();
  switch (message.message) {
    case WM_CLOSE:
      if (own && &control == MainForm()) {
        ::PostQuitMessage(0);
        SetTerminated();
      }
      return false;
    case WM_DESTROY:
      if (!own) return false;
      TKitWindowBinding::MarkDestroyed(control);
      message.result = DefaultProcessing(control, message);
      if (MainForm() == &control) SetMainForm(nullptr);
      TKitWindowBinding::Teardown(control);
      return true;
    case WM_NCDESTROY:
      // The window's last message: only now does it let go of the control.
      if (!own) return false;
      message.result = DefaultProcessing(control, message);
      TKitWindowBinding::Unbind(control);
      return true;
    case WM_SIZE:
      if (own) {
        ReadBounds(control);
        LayoutChildren(control);
      }
      return false;
    case WM_MOVE:
      if (own) ReadBounds(control);
      return false;
    case WM_COMMAND: {
      HWND child = reinterpret_cast<HWND>(message.lParam);
      if (!ControlOfWindow(child) || child == message.window) return false;
      message.result = api::Send(child, kReflectedCommand, message.wParam, message.lParam);
      return true;
    }
    default:
      break;
  }
  if (message.message >= WM_CTLCOLORMSGBOX && message.message <= WM_CTLCOLORSTATIC) {
    HWND child = reinterpret_cast<HWND>(message.lParam);
    if (!ControlOfWindow(child) || child == message.window) return false;
    message.result = api::Send(child, message.message + kReflectOffset, message.wParam, message.lParam);
    return message.result != 0;
  }
  if (message.message >= WM_KEYFIRST && message.message <= 0x109) return HandleKey(control, message);
  return false;
}

}  // namespace

LRESULT DefaultProcessing(TKitControl& control, const TKitMessage& message) {
  if (control.previousProc && message.window == control.Window())
    return api::CallProc(control.previousProc, message.window, message.message, message.wParam, message.lParam);
  return api::DefaultProc(message.window, message.message, message.wParam, message.lParam);
}

bool OfferToMessageEvents(TKitControl& control, TKitMessage& message) {
  const auto keep = Retain(&control);
  TKitControl* main = MainForm();
  if (RunningCount() != 0 && main && main != &control) {
    const auto keepMain = Retain(main);
    if (RunMessageEvent(*main, message)) return true;
  }
  return RunMessageEvent(control, message);
}

void HandleKitMessage(TKitControl& control, TKitMessage& message) {
  const auto keep = Retain(&control);
  if (OfferToMessageEvents(control, message)) return;
  if (RunHandlers(control, message)) return;
  if (HandleBuiltIn(control, message)) return;
  message.result = DefaultProcessing(control, message);
}

LRESULT CALLBACK KitWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TKitMessage message{window, msg, wParam, lParam, 0};
  try {
    TKitControl* control = ControlOfWindow(window);
    TKitControl* creating = ControlUnderCreation();
    if (!control && creating && !creating->Window()) {
      control = creating;
      TKitWindowBinding::Bind(*control, window);
      SetControlUnderCreation(nullptr);
    }
    if (!control) control = MainForm();
    if (!control) return api::DefaultProc(window, msg, wParam, lParam);
    const auto keep = Retain(control);
    HandleKitMessage(*control, message);
    if (!Terminated()) control->AfterMessage(message);
    return message.result;
  } catch (...) {
    ErrorRelay::Keep(std::current_exception());
    return 0;
  }
}

}  // namespace host::kit
