#include <windows.h>

#include "platform/codepage.h"
#include "platform/lead_byte.h"

namespace platform {
namespace {

UINT Resolve(int codePage) { return static_cast<UINT>(codePage == 0 ? SystemCodePage() : codePage); }

}  // namespace

bool IsDoubleByteCodePage(int codePage) {
  CPINFO info;
  return ::GetCPInfo(Resolve(codePage), &info) && info.MaxCharSize == 2;
}

bool IsLeadByte(int codePage, unsigned char byte) {
  return IsDoubleByteCodePage(codePage) && ::IsDBCSLeadByteEx(Resolve(codePage), byte);
}

}  // namespace platform
