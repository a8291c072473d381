#include "toolkit/win32/drag_drop.h"

#include <atomic>

namespace toolkit::win32 {

namespace {

class DropTarget final : public IDropTarget {
 public:
  explicit DropTarget(DropTargetHandler& handler) : handler_(handler) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDropTarget) {
      *object = static_cast<IDropTarget*>(this);
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
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override {
    return Guard(effect, [&] { handler_.DragEnter(data, keys, {pt.x, pt.y}, *effect); });
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL pt, DWORD* effect) override {
    return Guard(effect, [&] { handler_.DragOver(keys, {pt.x, pt.y}, *effect); });
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    try {
      handler_.DragLeave();
    } catch (...) {
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override {
    return Guard(effect, [&] { handler_.Drop(data, keys, {pt.x, pt.y}, *effect); });
  }

 private:
  template <class Call>
  static HRESULT Guard(DWORD* effect, Call call) {
    if (!effect) return E_INVALIDARG;
    try {
      call();
    } catch (...) {
      *effect = DROPEFFECT_NONE;
    }
    return S_OK;
  }

  DropTargetHandler& handler_;
  std::atomic<ULONG> references_{1};
};

class DropSource final : public IDropSource {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDropSource) {
      *object = static_cast<IDropSource*>(this);
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
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    if (!(keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) return DRAGDROP_S_DROP;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

 private:
  std::atomic<ULONG> references_{1};
};

}  // namespace

HRESULT RegisterDropTarget(WindowHandle window, DropTargetHandler& handler) {
  auto* target = new DropTarget(handler);
  const HRESULT result = ::RegisterDragDrop(reinterpret_cast<HWND>(window), target);
  target->Release();  // the registration keeps its own reference
  return result;
}

void RevokeDropTarget(WindowHandle window) { ::RevokeDragDrop(reinterpret_cast<HWND>(window)); }

DWORD RunDragDrop(IDataObject* data, DWORD allowedEffects) {
  auto* source = new DropSource();
  DWORD effect = DROPEFFECT_NONE;
  const HRESULT result = ::DoDragDrop(data, source, allowedEffects, &effect);
  source->Release();
  return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

}  // namespace toolkit::win32
