// The message loop of the main form. Script code runs inside it (form
// events, native callbacks, COM events); an error it raises ends the loop
// and is raised here once the foreign frames are left.
#pragma once

namespace host::kit {

class TKitControl;

// Makes form the main form, shows it and handles messages until the loop is
// terminated (the main form closed, WM_QUIT, CloseMainForm) or script code
// raised; then ends the main form. Waits only in WaitMessage. A loop after
// the first has ended returns at once.
void RunMessageLoop(TKitControl& form);

// Handles the queued messages and returns once the queue is empty; never
// waits. A message with identifier 0 ends the pass early.
void ProcessMessages();

// Ends the main form: running 0 and terminated, the main form record
// cleared; unless the loop had already been terminated, its queued messages
// are handled and it gets WM_CLOSE; then it is destroyed with its later forms.
void CloseMainForm();

}  // namespace host::kit
