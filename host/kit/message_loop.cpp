#include "host/kit/message_loop.h"

#include <windows.h>

#include "host/error_relay.h"
#include "host/kit/appearance.h"
#include "host/kit/kit_api.h"
#include "host/kit/kit_control.h"
#include "host/kit/kit_state.h"
#include "host/kit/window_class.h"
#include "runtime/base/ref.h"

using namespace runtime;

namespace host::kit {

namespace {

// One message; false when the queue is empty or the message was WM_NULL.
bool ProcessOneMessage() {
  MSG message;
  if (!api::Peek(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  if (message.message == WM_QUIT) {
    SetTerminated();
    return true;
  }
  TKitControl* main = MainForm();
  const auto keep = Retain(main);
  if (!main || !main->PreTranslate(message)) {
    ::TranslateMessage(&message);
    api::Dispatch(&message);
  }
  return message.message != WM_NULL;
}

// Stops early once script code has raised: nothing more of it should run.
void PumpQueue() {
  while (!ErrorRelay::Pending() && ProcessOneMessage()) {
  }
}

}  // namespace

void RunMessageLoop(TKitControl& form) {
  if (Terminated()) return;
  const auto keep = Retain(&form);
  SetRunningCount(uint8_t(RunningCount() + 1));
  SetMainForm(&form);
  try {
    if (CreateControlWindow(form)) ::ShowWindow(form.Window(), SW_SHOW);
  } catch (...) {
    // Making the window is best effort here: the loop runs regardless.
  }
  for (;;) {
    PumpQueue();
    if (Terminated() || ErrorRelay::Pending()) break;
    ::WaitMessage();
  }
  if (MainForm()) CloseMainForm();
  ErrorRelay::RaisePending();
}

void ProcessMessages() {
  PumpQueue();
  ErrorRelay::RaisePending();
}

void CloseMainForm() {
  TKitControl* form = MainForm();
  const auto keep = Retain(form);
  const bool wasTerminated = EndRunning();
  SetMainForm(nullptr);
  if (!form) return;
  if (!wasTerminated) {
    PumpQueue();
    if (form->Window()) api::Send(form->Window(), WM_CLOSE, 0, 0);
  }
  DestroyControl(*form);
}

}  // namespace host::kit
