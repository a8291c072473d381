#include "toolkit/controls/custom_control.h"

namespace toolkit {

namespace {

// Hands the device back whatever Paint throws.
struct DeviceReturn {
  Canvas& from;
  std::function<void(std::unique_ptr<CanvasDevice>)> back;
  ~DeviceReturn() { back(from.ReleaseDevice()); }
};

}  // namespace

CustomControl::CustomControl(Component* owner) : WinControl(owner) {}

void CustomControl::RunPaint() {
  canvas_.GetFont().Assign(&font_);
  canvas_.GetBrush().SetColor(GetColor());
  canvas_.GetBrush().SetStyle(BrushStyle::Solid);
  canvas_.GetPen().SetColor(clBlack);
  canvas_.RemoveClip();
  canvas_.SetOrigin({0, 0});
  Paint();
}

void CustomControl::PaintHandler(Message&) {
  Backend& backend = CurrentBackend();
  const WindowHandle window = Handle();
  canvas_.SetDevice(backend.BeginPaint(window, updateRect_));
  DeviceReturn close{canvas_, [&](std::unique_ptr<CanvasDevice> device) { backend.EndPaint(window, std::move(device)); }};
  RunPaint();
}

void CustomControl::PaintTo(Canvas& target) {
  if (!target.HandleAllocated()) return;
  updateRect_ = ClientRect();
  canvas_.SetDevice(target.ReleaseDevice());
  DeviceReturn back{canvas_, [&](std::unique_ptr<CanvasDevice> device) { target.SetDevice(std::move(device)); }};
  RunPaint();
}

}  // namespace toolkit
