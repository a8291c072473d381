// A control with a window of its own: it creates the window from its create
// parameters when first needed, hosts child controls, takes the focus and
// receives the window's messages.
#pragma once
#include <vector>

#include "toolkit/controls/control.h"
#include "toolkit/graphics/backend.h"

namespace toolkit {

using KeyEvent = Method<void(Object* sender, std::uint16_t& key, ShiftState shift)>;
using KeyPressEvent = Method<void(Object* sender, Char& key)>;
using FilesDroppedEvent = Method<void(Object* sender, const DroppedFiles& files)>;

class WinControl : public Control, public WindowClient {
 public:
  explicit WinControl(Component* owner);
  ~WinControl() override;

  String ClassName() const override { return u"WinControl"; }

  // The window, created on first use; a child needs a parent with a window.
  WindowHandle Handle();
  bool HandleAllocated() const;
  void HandleNeeded() { Handle(); }
  // Destroys the window (and its children's) and makes it again when it is
  // needed, so that changed create parameters take effect.
  void RecreateWnd();
  void DestroyHandle();
  // The windowed control behind a window made by this toolkit.
  static WinControl* FromHandle(WindowHandle handle);
  // A parent window outside the toolkit, for controls without a parent control.
  void SetParentWindow(WindowHandle window);

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  Control* Controls(int index) const;
  void InsertControl(Control* control);
  void RemoveControl(Control* control);

  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  Rect ClientRect() const override;
  Point ClientOrigin() const override;

  bool TabStop = false;
  // The place among the parent's windowed children when tabbing, -1 without
  // a parent; a place beyond the last makes the control the last.
  int TabOrder() const;
  void SetTabOrder(int order);
  // The windowed children in tab order, each followed by its own.
  void GetTabOrderList(std::vector<WinControl*>& list) const;
  // The control after (or before) current in the tab order list that can
  // take the focus, going round; with checkTabStop only those with TabStop,
  // with checkParent only children of this one. nullptr when none.
  WinControl* FindNextControl(WinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
  // Focuses what FindNextControl answers; false when nothing could take it.
  bool SelectNext(WinControl* current, bool goForward, bool checkTabStop);
  bool CanFocus() const;
  bool Focused() const;
  // Fails with the class library's message when the control cannot take the focus.
  void SetFocus();

  void SetScrollInfo(ScrollBarKind bar, const ScrollInfo& info, bool redraw = true);
  ScrollInfo GetScrollInfo(ScrollBarKind bar);
  void ShowScrollBar(ScrollBarKind bar, bool show);

  // Files dropped from the shell reach FilesDropped while this is set.
  bool AcceptsFiles() const { return acceptsFiles_; }
  void SetAcceptsFiles(bool accept);

  void WindowProc(Message& message) override;
  void Invalidate() override;
  void Update() override;

  NotifyEvent OnEnter;
  NotifyEvent OnExit;
  KeyEvent OnKeyDown;
  KeyEvent OnKeyUp;
  KeyPressEvent OnKeyPress;
  FilesDroppedEvent OnFilesDropped;

 protected:
  virtual void CreateParams(toolkit::CreateParams& params);
  virtual void CreateWnd();
  // Called once the window exists.
  virtual void CreateHandleDone() {}
  virtual void DestroyWnd();
  void Dispatch(Message& message) override;
  void DefaultHandler(Message& message) override;
  WinControl* HostWindow() const override { return const_cast<WinControl*>(this); }
  // The paint cycle; a plain windowed control only validates its window.
  virtual void PaintHandler(Message& message);
  virtual void KeyDown(std::uint16_t& key, ShiftState shift);
  virtual void KeyUp(std::uint16_t& key, ShiftState shift);
  virtual void KeyPress(Char& key);
  virtual void DoEnter();
  virtual void DoExit();
  virtual void FilesDropped(const DroppedFiles& files);
  WindowHandle ParentHandle();
  // Performs the message on every child control.
  void NotifyControls(std::uint32_t msg);

 private:
  void HandleDropFiles(Message& message);

  std::vector<Control*> controls_;
  std::vector<WinControl*> tabList_;
  bool acceptsFiles_ = false;
  WindowHandle handle_ = 0;
  WindowHandle parentWindow_ = 0;
  std::uint32_t backendGeneration_ = 0;
};

}  // namespace toolkit
