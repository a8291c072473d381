// Themed drawing: whether themes are in use, and painting of themed parts.
// The application may switch themes off even where the platform has them.
#pragma once
#include "toolkit/canvas.h"
#include "toolkit/method_chain.h"

namespace toolkit {

class ThemeServices : public Object {
 public:
  ThemeServices();
  bool ThemesAvailable() const;
  bool ThemesEnabled() const { return enabled_ && ThemesAvailable(); }
  void SetThemesEnabled(bool enabled);
  // Nothing is drawn while themes are not enabled; answers whether it drew.
  bool DrawElement(Canvas& canvas, const ThemedPart& part, const Rect& rect) const;
  // Told when themes are switched on or off.
  NotifyEventChain& OnThemeChange() { return changed_; }

 private:
  bool enabled_ = true;
  NotifyEventChain changed_;
};

ThemeServices& TheThemeServices();

}  // namespace toolkit
