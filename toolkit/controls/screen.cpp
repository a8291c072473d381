#include "toolkit/controls/screen.h"

namespace toolkit {

Screen::Screen() { hintFont_.SetColor(clInfoText); }

int Screen::Width() const { return CurrentBackend().ScreenRect().Width(); }

int Screen::Height() const { return CurrentBackend().ScreenRect().Height(); }

Rect Screen::WorkAreaRect() const { return CurrentBackend().WorkArea(); }

void Screen::SetCursor(int cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  CurrentBackend().SetCursorShape(cursor == cr::Default ? cr::Arrow : cursor);
}

CursorHandle Screen::Cursors(int number) const { return CurrentBackend().RegisteredCursor(number); }

void Screen::SetCursors(int number, CursorHandle cursor) { CurrentBackend().RegisterCursor(number, cursor); }

Point Mouse::CursorPos() const { return CurrentBackend().CursorPos(); }

int Mouse::DragThreshold() const { return CurrentBackend().DragThreshold(); }

int Mouse::WheelScrollLines() const { return CurrentBackend().WheelScrollLines(); }

WindowHandle Mouse::Capture() const { return CurrentBackend().Capture(); }

Screen& TheScreen() {
  static Screen* screen = new Screen();
  return *screen;
}

Mouse& TheMouse() {
  static Mouse mouse;
  return mouse;
}

}  // namespace toolkit
