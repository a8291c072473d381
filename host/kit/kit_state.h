// The kit's global state: the main form, the control whose window is being
// made, and the running count and terminated flag of the message loop.
#pragma once
#include <cstdint>

namespace host::kit {

class TKitControl;

// The main form holds a reference while it is recorded.
TKitControl* MainForm();
void SetMainForm(TKitControl* form);

// Set around CreateWindowExW: the first message of the new window binds it.
TKitControl* ControlUnderCreation();
void SetControlUnderCreation(TKitControl* control);

// 0 before any loop or show; a refused close counts only when it is not 0.
uint8_t RunningCount();
void SetRunningCount(uint8_t count);
bool Terminated();
void SetTerminated();

// Running 0 and terminated, in one step; answers whether terminated was set.
bool EndRunning();

// Starts a fresh run (the IDE runs many scripts in one process): forgets the
// main form, the running count, the terminated flag and a WM_QUIT left in
// the thread's queue.
void ResetKitState();

}  // namespace host::kit
