// What a value of a COM object points at in tests of the runtime alone:
// script values count their references to it, through IUnknown on Windows.
#pragma once

#ifdef _WIN32
#include <unknwn.h>

class CFakeInterface : public IUnknown {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(++refs); }
  ULONG STDMETHODCALLTYPE Release() override { return ULONG(--refs); }
  int refs = 1;
};
#else
// No COM natively: nothing counts.
struct CFakeInterface {
  int refs = 1;
};
#endif
