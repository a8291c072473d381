// The window procedure of every kit window and the message operation of a
// control: the main form's OnMessage (while a loop or show runs), the
// control's OnMessage, its handlers in order, the kit's own handling, then
// default processing. Script errors raised inside never leave the procedure.
#pragma once
#include <windows.h>

namespace host::kit {

class TKitControl;
struct TKitMessage;

// Reflected to a kit child: WM_COMMAND, and WM_CTLCOLOR* + this offset.
constexpr UINT kReflectedCommand = 0xB005;
constexpr UINT kReflectOffset = 0xBC00;

LRESULT CALLBACK KitWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The OnMessage events alone: the main form's (while a loop or show runs),
// then the control's; true when one claimed the message. Script errors are
// kept for the script.
bool OfferToMessageEvents(TKitControl& control, TKitMessage& message);

// The message operation of a control; message.result holds the answer.
void HandleKitMessage(TKitControl& control, TKitMessage& message);

// CallWindowProcW of the previous procedure, else DefWindowProcW.
LRESULT DefaultProcessing(TKitControl& control, const TKitMessage& message);

}  // namespace host::kit
