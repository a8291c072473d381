// Keeps a chosen set of the browser's accelerator keys from acting: refresh
// (F5), the address keys (F6, Alt), F10 and Ctrl+F, L, N, O and P go
// straight to the inner window and never reach the browser's accelerator
// translation; every other key is offered to the browser control's window
// as message + kForwardedKeyOffset, whose answer kKeyEaten eats it.
//
// The browser's first inner window and that window's first inner window are
// subclassed, each slot once per process: while one browser has them, a
// second one stays unfiltered. A slot is free again once its window is gone.
#pragma once
#include <windows.h>

namespace host::browser {

constexpr UINT kForwardedKeyOffset = 0x8000;
constexpr LRESULT kKeyEaten = 0x8000;

// Subclasses the inner windows of browserWindow into the free slots; true
// once both inner windows exist (whether or not the slots were free), so
// the caller stops asking.
bool InstallKeyboardFilter(HWND browserWindow);

// True for the messages a filtered inner window forwards to the browser.
inline bool IsForwardedKey(UINT message) {
  return message == WM_KEYDOWN + kForwardedKeyOffset || message == WM_KEYUP + kForwardedKeyOffset ||
         message == WM_SYSKEYDOWN + kForwardedKeyOffset || message == WM_SYSKEYUP + kForwardedKeyOffset;
}

}  // namespace host::browser
