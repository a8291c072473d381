#include "toolkit/theme_services.h"

#include "toolkit/backend.h"
#include "toolkit/win_control.h"

namespace toolkit {

ThemeServices::ThemeServices() : changed_(this) {}

bool ThemeServices::ThemesAvailable() const { return CurrentBackend().ThemesAvailable(); }

void ThemeServices::SetThemesEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  changed_.FireAll();
}

bool ThemeServices::DrawElement(Canvas& canvas, const ThemedPart& part, const Rect& rect) const {
  if (!ThemesEnabled()) return false;
  canvas.DrawThemed(part, rect);
  return true;
}

void ThemeServices::DrawEdge(Canvas& canvas, const ThemedPart& part, Rect& rect, unsigned edges,
                             unsigned sides) const {
  canvas.DrawEdge(rect, edges, sides, ThemesEnabled() ? &part : nullptr);
}

void ThemeServices::PaintBorder(WinControl& control) const {
  if (!control.HandleAllocated()) return;
  Canvas canvas;
  canvas.SetDevice(CurrentBackend().FrameDevice(control.Handle()));
  Rect rect{0, 0, control.Width(), control.Height()};
  const ThemedPart border{ThemeElement::Edit, kEditTextPart, control.Enabled() ? kEditTextNormal : kEditTextDisabled};
  DrawEdge(canvas, border, rect, edge::Sunken, bf::Rect);
}

ThemeServices& TheThemeServices() {
  static ThemeServices* services = new ThemeServices();
  return *services;
}

}  // namespace toolkit
