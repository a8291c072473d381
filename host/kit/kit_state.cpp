#include "host/kit/kit_state.h"

#include <windows.h>

#include "host/kit/kit_api.h"
#include "host/kit/kit_control.h"

using namespace runtime;

namespace host::kit {

namespace {

struct KitState {
  TKitControl* mainForm = nullptr;
  TKitControl* creating = nullptr;
  uint8_t running = 0;
  uint8_t terminated = 0;
};

KitState state;

}  // namespace

TKitControl* MainForm() { return state.mainForm; }

void SetMainForm(TKitControl* form) {
  if (form == state.mainForm) return;
  AddRefObject(form);
  TKitControl* old = state.mainForm;
  state.mainForm = form;
  ReleaseObject(old);
}

TKitControl* ControlUnderCreation() { return state.creating; }
void SetControlUnderCreation(TKitControl* control) { state.creating = control; }

uint8_t RunningCount() { return state.running; }
void SetRunningCount(uint8_t count) { state.running = count; }
bool Terminated() { return state.terminated != 0; }
void SetTerminated() { state.terminated = 1; }

bool EndRunning() {
  const bool was = Terminated();
  state.running = 0;
  state.terminated = 1;
  return was;
}

void ResetKitState() {
  SetMainForm(nullptr);
  state.creating = nullptr;
  state.running = 0;
  state.terminated = 0;
  MSG quit;
  while (api::Peek(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

}  // namespace host::kit
