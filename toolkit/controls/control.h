// The base of every visible element: bounds, parent, visibility, font and
// colour, hints, cursor, mouse handling and the dispatch of messages by number.
#pragma once
#include <cstdint>

#include "toolkit/core/messages.h"
#include "toolkit/core/shortcut.h"
#include "toolkit/graphics/backend.h"
#include "toolkit/graphics/canvas.h"

namespace toolkit {

class PopupMenu;
class WinControl;

// What a control is made to do.
enum ControlStyleFlag : unsigned {
  csCaptureMouse = 1,
  csClickEvents = 2,
  csDoubleClicks = 4,
  csOpaque = 8,
  csAcceptsControls = 16,
};

// What a control is doing now.
enum ControlStateFlag : unsigned {
  csLButtonDown = 1,
  csClicked = 2,
  csFocusing = 4,
  csCreating = 8,
};

enum class DragMode { Manual, Automatic };
enum class DragState { Enter, Leave, Move };
// Where a control keeps itself inside its parent.
enum class Align { None, Top, Bottom, Left, Right, Client, Custom };
// Reading order and alignment of text, and the side of the vertical scroll bar.
enum class BiDiMode { LeftToRight, RightToLeft, RightToLeftNoAlign, RightToLeftReadingOnly };

class Control;
using MouseEvent = Method<void(Object* sender, MouseButton button, ShiftState shift, int x, int y)>;
using MouseMoveEvent = Method<void(Object* sender, ShiftState shift, int x, int y)>;
using StartDragEvent = Method<void(Object* sender)>;
using EndDragEvent = Method<void(Object* sender, Object* target, int x, int y)>;
using DragOverEvent = Method<void(Object* sender, Object* source, int x, int y, DragState state, bool& accept)>;
using DragDropEvent = Method<void(Object* sender, Object* source, int x, int y)>;
// mousePos is in screen coordinates.
using MouseWheelEvent = Method<void(Object* sender, ShiftState shift, int wheelDelta, Point mousePos, bool& handled)>;
// mousePos is in client coordinates, (-1, -1) when the keyboard asked.
using ContextPopupEvent = Method<void(Object* sender, Point mousePos, bool& handled)>;

class Control : public Component {
 public:
  explicit Control(Component* owner);
  ~Control() override;

  String ClassName() const override { return u"Control"; }

  WinControl* Parent() const { return parent_; }
  virtual void SetParent(WinControl* parent);

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  Rect BoundsRect() const { return bounds_; }
  virtual void SetBounds(int left, int top, int width, int height);
  void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
  void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
  virtual Rect ClientRect() const { return {0, 0, Width(), Height()}; }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  Point ClientToScreen(Point point) const;
  Point ScreenToClient(Point point) const;
  // The offset of this control's client area inside its window.
  virtual Point ClientOrigin() const;

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  // Visible itself and all its parents.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  const String& Caption() const { return caption_; }
  void SetCaption(const String& caption);

  Font& GetFont() { return font_; }
  Color GetColor() const { return color_; }
  // An explicit colour stops following the parent's.
  void SetColor(Color color);
  // While set, the control takes its parent's font (colour), now and
  // whenever the parent's changes; changing its own clears it.
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool follow);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool follow);

  // Only kept here: laying out aligned children is the parent's business.
  Align GetAlign() const { return align_; }
  void SetAlign(Align align) { align_ = align; }

  BiDiMode GetBiDiMode() const { return biDiMode_; }
  // An explicit mode stops following the parent's.
  void SetBiDiMode(BiDiMode mode);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool follow);
  bool UseRightToLeftAlignment() const { return biDiMode_ == BiDiMode::RightToLeft; }
  bool UseRightToLeftReading() const { return biDiMode_ != BiDiMode::LeftToRight; }
  bool UseRightToLeftScrollBar() const {
    return biDiMode_ == BiDiMode::RightToLeft || biDiMode_ == BiDiMode::RightToLeftNoAlign;
  }

  // The menu a context-menu request (msg::ContextMenu) pops up.
  virtual PopupMenu* GetPopupMenu() const { return popupMenu_; }
  void SetPopupMenu(PopupMenu* menu);
  int Cursor() const { return cursor_; }
  void SetCursor(int cursor);

  const String& Hint() const { return hint_; }
  void SetHint(const String& hint) { hint_ = hint; }
  // ShowHint follows the parent's while ParentShowHint is true.
  bool ShowHint() const;
  void SetShowHint(bool show);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool follow) { parentShowHint_ = follow; }

  unsigned ControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks;
  unsigned ControlState = 0;

  // Sends a message straight to this control's handler.
  std::intptr_t Perform(std::uint32_t msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
  // Every message enters here; the default passes it to Dispatch.
  virtual void WindowProc(Message& message);

  virtual void Invalidate();
  void Repaint();
  virtual void Update();

  bool MouseCapture() const;
  void SetMouseCapture(bool capture);

  // Dragging between controls (not OLE): a pending drag starts once the
  // mouse has moved beyond the threshold (the system's when negative).
  DragMode GetDragMode() const { return dragMode_; }
  void SetDragMode(DragMode mode) { dragMode_ = mode; }
  void BeginDrag(bool immediate, int threshold = -1);
  void EndDrag(bool drop);
  bool Dragging() const;

  NotifyEvent OnClick;
  NotifyEvent OnDblClick;
  NotifyEvent OnResize;
  NotifyEvent OnMouseEnter;
  NotifyEvent OnMouseLeave;
  MouseEvent OnMouseDown;
  MouseEvent OnMouseUp;
  MouseMoveEvent OnMouseMove;
  StartDragEvent OnStartDrag;
  EndDragEvent OnEndDrag;
  DragOverEvent OnDragOver;
  DragDropEvent OnDragDrop;
  MouseWheelEvent OnMouseWheel;
  ContextPopupEvent OnContextPopup;

  // Called by the drag machinery.
  virtual void DragOver(Control* source, int x, int y, DragState state, bool& accept);
  virtual void DragDrop(Control* source, int x, int y);
  virtual void DoStartDrag();
  virtual void DoEndDrag(Control* target, int x, int y);

 protected:
  // Handles the messages this class knows; others go to DefaultHandler.
  virtual void Dispatch(Message& message);
  virtual void DefaultHandler(Message& message);
  virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
  virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
  virtual void MouseMove(ShiftState shift, int x, int y);
  virtual void Click();
  virtual void DblClick();
  virtual void Resize();
  virtual void FontChanged();
  // The wheel turned over this control or one it passed the wheel to;
  // true when handled (by default when OnMouseWheel says so).
  virtual bool DoMouseWheel(ShiftState shift, int wheelDelta, Point mousePos);
  virtual void DoContextPopup(Point mousePos, bool& handled);
  void Notification(Component* component, Operation operation) override;
  // The window whose client area this control paints on (its own for a
  // windowed control); it also holds the mouse for the control.
  virtual WinControl* HostWindow() const;

  Font font_;
  Rect bounds_{0, 0, 0, 0};

 private:
  friend class WinControl;
  void FontChangedHandler(Object*);
  void HandleMouseButton(Message& message, MouseButton button, bool down);
  void HandleMouseWheel(Message& message);
  void HandleContextMenu(Message& message);
  // Takes the parent's font, colour or bidi mode while following it.
  void TakeParentFont();
  void TakeParentColor();
  void TakeParentBiDiMode();

  WinControl* parent_ = nullptr;
  bool visible_ = true;
  bool enabled_ = true;
  String caption_;
  Color color_ = clBtnFace;
  int cursor_ = cr::Default;
  String hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  DragMode dragMode_ = DragMode::Manual;
  bool parentFont_ = true;
  bool parentColor_ = true;
  bool takingParentFont_ = false;
  Align align_ = Align::None;
  BiDiMode biDiMode_ = BiDiMode::LeftToRight;
  bool parentBiDiMode_ = true;
  PopupMenu* popupMenu_ = nullptr;
};

ShiftState ShiftStateFromKeys(std::uintptr_t keys);

// What watches every control from above, so controls need not know it: the
// application (hover and hints) installs itself.
class ControlWatcher {
 public:
  virtual ~ControlWatcher() = default;
  // A mouse move over the control, in its client coordinates.
  virtual void ControlMouseMove(Control* control, Point client) = 0;
  virtual void ControlDestroyed(Control* control) = 0;
};
void SetControlWatcher(ControlWatcher* watcher);

}  // namespace toolkit
