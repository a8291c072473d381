// The screen and the mouse as the controls see them: sizes, the work area,
// the application-wide cursor, the hint font, and the mouse's system values.
#pragma once
#include "toolkit/graphics/backend.h"
#include "toolkit/graphics/graphics_objects.h"

namespace toolkit {

class Screen : public Object {
 public:
  Screen();
  int Width() const;
  int Height() const;
  Rect WorkAreaRect() const;
  int PixelsPerInch() const { return kDefaultPixelsPerInch; }
  // Overrides every control's cursor while it is not cr::Default.
  int Cursor() const { return cursor_; }
  void SetCursor(int cursor);
  Font& HintFont() { return hintFont_; }
  // The cursor table: numbers above 0 name cursors registered here (the
  // screen owns them), which Cursor and the controls' cursors may name.
  CursorHandle Cursors(int number) const;
  void SetCursors(int number, CursorHandle cursor);

 private:
  int cursor_ = cr::Default;
  Font hintFont_;
};

class Mouse : public Object {
 public:
  Point CursorPos() const;
  int DragThreshold() const;
  int WheelScrollLines() const;
  WindowHandle Capture() const;
};

Screen& TheScreen();
Mouse& TheMouse();

}  // namespace toolkit
