#include "toolkit/graphics/theme_services.h"

#include "toolkit/graphics/backend.h"

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

void ThemeServices::PaintBorder(WindowHandle window, bool enabled) const {
  if (!window) return;
  Canvas canvas;
  canvas.SetDevice(CurrentBackend().FrameDevice(window));
  const Rect bounds = CurrentBackend().WindowBounds(window);
  Rect rect{0, 0, bounds.Width(), bounds.Height()};
  const ThemedPart border{ThemeElement::Edit, kEditTextPart, enabled ? kEditTextNormal : kEditTextDisabled};
  DrawEdge(canvas, border, rect, edge::Sunken, bf::Rect);
}

ThemeServices& TheThemeServices() {
  static ThemeServices* services = new ThemeServices();
  return *services;
}

}  // namespace toolkit
