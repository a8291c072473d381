#include "toolkit/theme_services.h"

#include "toolkit/backend.h"

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

ThemeServices& TheThemeServices() {
  static ThemeServices* services = new ThemeServices();
  return *services;
}

}  // namespace toolkit
