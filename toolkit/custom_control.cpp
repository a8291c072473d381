#include "toolkit/custom_control.h"

namespace toolkit {

CustomControl::CustomControl(Component* owner) : WinControl(owner) {}

void CustomControl::PaintHandler(Message&) {
  Backend& backend = CurrentBackend();
  const WindowHandle window = Handle();
  canvas_.SetDevice(backend.BeginPaint(window, updateRect_));
  // Whatever Paint throws, the paint cycle is closed.
  struct Close {
    Canvas& canvas;
    Backend& backend;
    WindowHandle window;
    ~Close() { backend.EndPaint(window, canvas.ReleaseDevice()); }
  } close{canvas_, backend, window};
  canvas_.GetFont().Assign(&font_);
  canvas_.GetBrush().SetColor(GetColor());
  canvas_.GetBrush().SetStyle(BrushStyle::Solid);
  canvas_.GetPen().SetColor(clBlack);
  canvas_.RemoveClip();
  canvas_.SetOrigin({0, 0});
  Paint();
}

}  // namespace toolkit
