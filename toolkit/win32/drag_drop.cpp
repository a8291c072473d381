#include "toolkit/win32/drag_drop.h"

#include <memory>

#include "toolkit/controls/drag_drop.h"
#include "toolkit/win32/com_object.h"
#include "toolkit/win32/ole_data_object.h"

namespace toolkit::win32 {

namespace {

// No exception may unwind into OLE; a failing handler refuses the drop.
template <class Call>
HRESULT Guard(DWORD* effect, Call call) {
  if (!effect) return E_INVALIDARG;
  DropEffects chosen = *effect;
  try {
    call(chosen);
  } catch (...) {
    chosen = de::None;
  }
  *effect = chosen;
  return S_OK;
}

class OleDropTarget final : public ComObject<IDropTarget> {
 public:
  explicit OleDropTarget(DropTarget& target) : ComObject(IID_IDropTarget), target_(target) {}

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override {
    if (!data) return E_INVALIDARG;
    return Guard(effect, [&](DropEffects& chosen) {
      data_ = std::make_unique<ForeignDataObject>(data);
      target_.DragEnter(*data_, keys, {pt.x, pt.y}, chosen);
    });
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL pt, DWORD* effect) override {
    return Guard(effect, [&](DropEffects& chosen) { target_.DragOver(keys, {pt.x, pt.y}, chosen); });
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    try {
      target_.DragLeave();
    } catch (...) {
    }
    data_.reset();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override {
    if (!data) return E_INVALIDARG;
    const HRESULT result = Guard(effect, [&](DropEffects& chosen) {
      ForeignDataObject dropped(data);
      target_.Drop(dropped, keys, {pt.x, pt.y}, chosen);
    });
    data_.reset();
    return result;
  }

 private:
  DropTarget& target_;
  std::unique_ptr<ForeignDataObject> data_;
};

class OleDropSource final : public ComObject<IDropSource> {
 public:
  explicit OleDropSource(DropSource& source) : ComObject(IID_IDropSource), source_(source) {}

  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    try {
      switch (source_.QueryContinueDrag(escape != FALSE, keys)) {
        case DragAction::Continue: return S_OK;
        case DragAction::Drop: return DRAGDROP_S_DROP;
        case DragAction::Cancel: break;
      }
    } catch (...) {
    }
    return DRAGDROP_S_CANCEL;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
    try {
      return source_.GiveFeedback(effect) ? DRAGDROP_S_USEDEFAULTCURSORS : S_OK;
    } catch (...) {
      return DRAGDROP_S_USEDEFAULTCURSORS;
    }
  }

 private:
  DropSource& source_;
};

}  // namespace

HRESULT RegisterOleDropTarget(HWND window, DropTarget& target) {
  auto* adapter = new OleDropTarget(target);
  const HRESULT result = ::RegisterDragDrop(window, adapter);
  adapter->Release();  // the registration keeps its own reference
  return result;
}

DropEffects RunOleDrag(DataObject& data, DropSource& source, DropEffects allowed) {
  // The caller owns the object; OLE only borrows it for the drag, and a
  // target that keeps the interface longer finds it empty.
  auto* offered = new OleDataObject(std::shared_ptr<DataObject>(std::shared_ptr<DataObject>(), &data));
  auto* steering = new OleDropSource(source);
  DWORD effect = DROPEFFECT_NONE;
  const HRESULT result = ::DoDragDrop(offered, steering, allowed, &effect);
  steering->Release();
  offered->Detach();
  offered->Release();
  return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

}  // namespace toolkit::win32
