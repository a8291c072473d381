// The IUnknown part every COM object of the toolkit shares: one interface,
// an atomic reference count starting at 1, deleted at 0.
#pragma once
#include "toolkit/win32/windows_api.h"

#include <atomic>

namespace toolkit::win32 {

template <class Interface>
class ComObject : public Interface {
 public:
  explicit ComObject(REFIID iid) : iid_(iid) {}
  virtual ~ComObject() = default;
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (riid == IID_IUnknown || riid == iid_) {
      *object = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 private:
  const IID& iid_;
  std::atomic<ULONG> references_{1};
};

}  // namespace toolkit::win32
