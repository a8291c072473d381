// One control object per kit window: forms, child controls over system
// classes and, later, hosted OLE controls. A control is counted: whoever
// holds it (script objects, its parent, its window from the first message to
// the last, the window procedure while a message runs) holds a reference, so
// a window destroyed inside one of its own handlers never frees the control
// under the code that is still using it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "runtime/base/base.h"
#include "runtime/text.h"

namespace host::kit {

using namespace runtime;

// What the window procedure hands to events and handlers.
struct TKitMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  LRESULT result;
};

class TKitControl;

// Events are a code address with its user data, as native callbacks give them.
// OnMessage sees every message first; true claims it with message.result.
using TKitMessageEvent = bool (*)(void* data, TKitControl& control, TKitMessage& message);
// OnClose may clear accept to keep the window.
using TKitCloseEvent = void (*)(void* data, TKitControl& control, bool& accept);
// Message handlers run in order of installation; true claims the message.
using TKitHandler = bool (*)(TKitControl& control, TKitMessage& message);
// Run once when the control is destroyed.
using TKitReleaseRoutine = void (*)(void* object);

// Colours with the top bit set name a system colour by their low 7 bits.
constexpr uint32_t kSystemColorBit = 0x80000000;
COLORREF KitColor(uint32_t color);

// Alignment that fills the parent's client area.
constexpr int kAlignClient = 5;

// The icon value for none at all; 0 takes the main form's or the program's.
inline const HICON kNoIcon = reinterpret_cast<HICON>(intptr_t(-1));

class TKitControl : public CBase {
public:
  TKitControl() = default;
  ~TKitControl() override;

  // The kind: window class name and behaviour of the control.
  virtual std::string KindName() const = 0;
  // True: the class is named KindName() alone, without "obj_".
  virtual bool BareClassName() const { return false; }
  // A system class the kind's window class is made from, or null.
  virtual const wchar_t* BaseClassName() const { return nullptr; }
  virtual void AfterCreate() {}
  // A kind whose window comes from elsewhere (a hosted control's in-place
  // window) makes it here and answers true; false leaves it to the kit.
  virtual bool MakeOwnWindow(HWND /*parentWindow*/) { return false; }
  // The window is about to go, or its parent's: a kind whose window belongs
  // to a hosted object lets that object take it down first.
  virtual void WindowEnding() {}
  virtual void AfterMessage(const TKitMessage&) {}
  // The parent or the appearance changed.
  virtual void Changed() {}
  // Queued messages of the main form's thread, before translation; true takes it.
  virtual bool PreTranslate(MSG&) { return false; }
  virtual bool KeyboardHook(TKitMessage&) { return false; }
  // Focus movement between children; isChar is false for key-down messages.
  virtual bool Navigate(WPARAM, bool) { return false; }
  virtual bool PaintsItself() const { return false; }

  TKitControl* Parent() const { return parent_; }
  const std::vector<TKitControl*>& Children() const { return children_; }
  HWND Window() const { return window_; }
  bool IsForm() const { return isForm_; }
  bool IsDestroyed() const { return destroyed_; }

  // Leaves the old parent, joins the new one (null: top level) and moves the
  // window there if it exists. Raises when parent is this control or inside it.
  void SetParent(TKitControl* parent);
  // Runs routine(object) when the control is destroyed; the pair is removed
  // again with RemoveReleaseOnDestroy (without running).
  void AddReleaseOnDestroy(TKitReleaseRoutine routine, void* object);
  bool RemoveReleaseOnDestroy(TKitReleaseRoutine routine, void* object);
  void AddHandler(TKitHandler handler);
  bool HasHandler(TKitHandler handler) const;
  const std::vector<TKitHandler>& Handlers() const { return handlers_; }
  // An icon the control destroys with itself.
  void SetOwnedIcon(HICON owned);

  void SetMessageEvent(TKitMessageEvent code, void* data);
  void SetCloseEvent(TKitCloseEvent code, void* data);
  TKitMessageEvent MessageEvent() const { return events_ ? events_->onMessage : nullptr; }
  void* MessageEventData() const { return events_ ? events_->onMessageData : nullptr; }
  TKitCloseEvent CloseEvent() const { return events_ ? events_->onClose : nullptr; }
  void* CloseEventData() const { return events_ ? events_->onCloseData : nullptr; }

  // The background brush: cached, or the parent's while the colours agree.
  HBRUSH BackgroundBrush();
  // The font, made from the kit's default face and size when first needed.
  HFONT Font();
  // A new font for the control; a window that exists is told (WM_SETFONT).
  void SetFont(const wchar_t* face, int height);

  // Fields the kit's routines set; read by the kinds.
  WNDPROC previousProc = nullptr;
  UINT classStyle = CS_OWNDC;
  DWORD style = 0x16CF0000;
  DWORD exStyle = 0;
  UINT_PTR id = 0;
  RECT bounds{};
  // Inner margins of the client area that aligned children fill.
  RECT margins{};
  // Between aligned children; the "ui" library's forms set 0.
  int spacing = 2;
  int align = 0;
  bool explicitPosition = false;
  Text caption;
  HICON icon = nullptr;
  uint32_t background = 0x8000000F;
  uint32_t textColor = 0x80000008;
  uint8_t alpha = 255;
  bool isChild = false;
  TKitControl* focusedChild = nullptr;
  TKitControl* activeForm = nullptr;

protected:
  bool isForm_ = false;

private:
  friend class TKitWindowBinding;

  struct Events {
    TKitMessageEvent onMessage = nullptr;
    void* onMessageData = nullptr;
    TKitCloseEvent onClose = nullptr;
    void* onCloseData = nullptr;
  };
  struct ReleasePair {
    TKitReleaseRoutine routine;
    void* object;
  };

  // What destroying a control undoes; runs once, at WM_DESTROY of its window
  // or when the last reference goes for a control that never had one.
  void Teardown();
  void LeaveParent();
  static void ReleaseChild(void* child);

  TKitControl* parent_ = nullptr;
  std::vector<TKitControl*> children_;
  std::vector<ReleasePair> releaseOnDestroy_;
  std::vector<TKitHandler> handlers_;
  // Null while the control uses the shared default (no events).
  std::unique_ptr<Events> events_;
  HWND window_ = nullptr;
  bool ownsIcon_ = false;
  bool destroyed_ = false;
  bool tornDown_ = false;
  HBRUSH brush_ = nullptr;
  uint32_t brushColor_ = 0;
  HFONT font_ = nullptr;
};

// Binds windows to controls: the kit's window procedure and creation use it.
class TKitWindowBinding {
public:
  // The window holds a reference from its first message to WM_NCDESTROY.
  static void Bind(TKitControl& control, HWND window);
  static void MarkDestroyed(TKitControl& control);
  static void Teardown(TKitControl& control) { control.Teardown(); }
  static void Unbind(TKitControl& control);
};

// The control a kit window belongs to, or null.
TKitControl* ControlOfWindow(HWND window);

// Destroys the control's window (which tears the control down), or tears it
// down at once when it has none. Memory goes with the last reference.
void DestroyControl(TKitControl& control);

}  // namespace host::kit
