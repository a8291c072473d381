#include "host/kit/kit_control.h"

#include <algorithm>

#include "host/kit/kit_api.h"
#include "host/kit/kit_state.h"
#include "host/kit/window_class.h"
#include "runtime/error.h"
#include "runtime/base/ref.h"

using namespace runtime;

namespace host::kit {

COLORREF KitColor(uint32_t color) {
  if (color & kSystemColorBit) return ::GetSysColor(int(color & 0x7F));
  return COLORREF(color);
}

TKitControl::~TKitControl() { Teardown(); }

void TKitControl::Teardown() {
  if (tornDown_) return;
  tornDown_ = true;
  if (window_ && !destroyed_) ::ShowWindow(window_, SW_HIDE);
  // The children's windows still stand: this runs before theirs are destroyed.
  const std::vector<TKitControl*> children = children_;
  for (TKitControl* child : children) {
    const auto keep = Retain(child);
    child->WindowEnding();
  }
  // Children release themselves through their pairs; a routine may add or
  // remove pairs of other controls, never of this one.
  std::vector<ReleasePair> pairs;
  pairs.swap(releaseOnDestroy_);
  for (const ReleasePair& pair : pairs) pair.routine(pair.object);
  children_.clear();
  events_.reset();
  if (ownsIcon_ && icon) ::DestroyIcon(icon);
  icon = nullptr;
  ownsIcon_ = false;
  if (brush_) ::DeleteObject(brush_);
  brush_ = nullptr;
  if (font_) ::DeleteObject(font_);
  font_ = nullptr;
  focusedChild = nullptr;
  activeForm = nullptr;
  for (TKitControl* holder : {parent_, MainForm()}) {
    if (!holder) continue;
    if (holder->activeForm == this) holder->activeForm = nullptr;
    if (holder->focusedChild == this) holder->focusedChild = nullptr;
  }
  LeaveParent();
}

void TKitControl::ReleaseChild(void* object) {
  auto* child = static_cast<TKitControl*>(object);
  child->parent_ = nullptr;
  child->Release();
}

void TKitControl::LeaveParent() {
  TKitControl* parent = parent_;
  if (!parent) return;
  parent_ = nullptr;
  auto& siblings = parent->children_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  // The caller holds a reference of its own: this is never the last one.
  if (parent->RemoveReleaseOnDestroy(&ReleaseChild, this)) Release();
}

void TKitControl::SetParent(TKitControl* parent) {
  if (parent == parent_) return;
  for (TKitControl* above = parent; above; above = above->parent_)
    if (above == this) RaiseError(QT("A control cannot be placed inside itself"));
  const auto keep = Retain(this);
  TKitControl* old = parent_;
  LeaveParent();
  if (parent) {
    parent_ = parent;
    parent->children_.push_back(this);
    AddRef();
    parent->AddReleaseOnDestroy(&ReleaseChild, this);
  }
  if (window_) {
    HWND target = nullptr;
    if (parent && (parent->window_ || CreateControlWindow(*parent))) target = parent->window_;
    ::SetParent(window_, target);
  }
  if (old) old->Changed();
  if (parent) parent->Changed();
  Changed();
  if (window_) ::InvalidateRect(window_, nullptr, TRUE);
}

void TKitControl::AddReleaseOnDestroy(TKitReleaseRoutine routine, void* object) {
  releaseOnDestroy_.push_back({routine, object});
}

bool TKitControl::RemoveReleaseOnDestroy(TKitReleaseRoutine routine, void* object) {
  auto found = std::find_if(releaseOnDestroy_.begin(), releaseOnDestroy_.end(),
                            [&](const ReleasePair& pair) { return pair.routine == routine && pair.object == object; });
  if (found == releaseOnDestroy_.end()) return false;
  releaseOnDestroy_.erase(found);
  return true;
}

void TKitControl::AddHandler(TKitHandler handler) { handlers_.push_back(handler); }

bool TKitControl::HasHandler(TKitHandler handler) const {
  return std::find(handlers_.begin(), handlers_.end(), handler) != handlers_.end();
}

void TKitControl::SetMessageEvent(TKitMessageEvent code, void* data) {
  if (!events_) events_ = std::make_unique<Events>();
  events_->onMessage = code;
  events_->onMessageData = data;
}

void TKitControl::SetCloseEvent(TKitCloseEvent code, void* data) {
  if (!events_) events_ = std::make_unique<Events>();
  events_->onClose = code;
  events_->onCloseData = data;
}

void TKitControl::SetOwnedIcon(HICON owned) {
  if (ownsIcon_ && icon) ::DestroyIcon(icon);
  icon = owned;
  ownsIcon_ = owned != nullptr;
}

HBRUSH TKitControl::BackgroundBrush() {
  if (brush_ && brushColor_ == background) return brush_;
  if (brush_) ::DeleteObject(brush_);
  brush_ = nullptr;
  if (parent_ && parent_->background == background) return parent_->BackgroundBrush();
  brush_ = ::CreateSolidBrush(KitColor(background));
  brushColor_ = background;
  return brush_;
}

HFONT TKitControl::Font() {
  if (!font_) SetFont(L"Tahoma", -11);
  return font_;
}

void TKitControl::SetFont(const wchar_t* face, int height) {
  api::FontRecord logFont{};
  logFont.lfHeight = height;
  logFont.lfCharSet = DEFAULT_CHARSET;
  const api::SysText faceName = api::SysName(face);
  faceName.copy(logFont.lfFaceName, LF_FACESIZE - 1);
  HFONT made = api::CreateFontOf(&logFont);
  if (!made) return;
  HFONT old = font_;
  font_ = made;
  if (window_) api::Send(window_, WM_SETFONT, WPARAM(font_), TRUE);
  if (old) ::DeleteObject(old);
}

namespace {

// Marks kit windows: GWL_USERDATA alone does not tell them from others.
const api::SysText kControlProperty = api::SysName(L"QelKitControl");

}  // namespace

TKitControl* ControlOfWindow(HWND window) {
  if (!window || !api::GetProperty(window, kControlProperty.c_str())) return nullptr;
  return reinterpret_cast<TKitControl*>(api::GetLong(window, GWLP_USERDATA));
}

void TKitWindowBinding::Bind(TKitControl& control, HWND window) {
  control.window_ = window;
  api::SetLong(window, GWLP_USERDATA, LONG_PTR(&control));
  api::SetProperty(window, kControlProperty.c_str(), HANDLE(1));
  control.AddRef();
}

void TKitWindowBinding::MarkDestroyed(TKitControl& control) { control.destroyed_ = true; }

void TKitWindowBinding::Unbind(TKitControl& control) {
  api::RemoveProperty(control.window_, kControlProperty.c_str());
  api::SetLong(control.window_, GWLP_USERDATA, 0);
  control.window_ = nullptr;
  control.Release();
}

void DestroyControl(TKitControl& control) {
  const auto keep = Retain(&control);
  control.WindowEnding();
  if (control.Window() && !control.IsDestroyed())
    ::DestroyWindow(control.Window());
  else
    TKitWindowBinding::Teardown(control);
}

}  // namespace host::kit
