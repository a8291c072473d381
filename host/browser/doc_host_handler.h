// What a page's document asks of its host: no 3-D border, the browser's own
// context menu, and the external object: whatever IDispatch the script
// stored in the browser's property "Qel:Host". Nothing here raises across
// COM; a failed lookup is kept for the script and the page gets none.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <mshtmhst.h>

#include <atomic>

namespace host::browser {

class TKitWebBrowser;

// The property whose IDispatch value pages see as their external object.
constexpr wchar_t kExternalProperty[] = L"Qel:Host";

class TDocHostUIHandler : public IDocHostUIHandler {
public:
  // Counted once for the control that made it.
  explicit TDocHostUIHandler(TKitWebBrowser& control) : control_(&control) {}
  virtual ~TDocHostUIHandler() = default;

  // The control ends; a document that still holds the handler finds no
  // external object from now on.
  void Detach() { control_ = nullptr; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++count_; }
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override;
  HRESULT STDMETHODCALLTYPE ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                   IOleInPlaceUIWindow*) override {
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE HideUI() override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE UpdateUI() override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR*, DWORD) override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget*, IDropTarget** target) override;
  HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** external) override;
  HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD, LPWSTR, LPWSTR*) override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject*, IDataObject** result) override;

private:
  TKitWebBrowser* control_;
  std::atomic<ULONG> count_{1};
};

}  // namespace host::browser
