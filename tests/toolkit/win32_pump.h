// Pumping the real message queue in the Windows GUI tests.
#pragma once
#include "toolkit/controls/application.h"
#include "toolkit/win32/windows_api.h"

// Pumps until done() or about five seconds have passed.
template <class Done>
bool PumpUntil(Done done) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start > 5000) return false;
    toolkit::TheApplication().ProcessMessages();
    ::Sleep(1);
  }
  return true;
}
