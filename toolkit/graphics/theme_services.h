// Themed drawing: whether themes are in use, and painting of themed parts.
// The application may switch themes off even where the platform has them.
#pragma once
#include "toolkit/core/method_chain.h"
#include "toolkit/graphics/backend.h"
#include "toolkit/graphics/canvas.h"

namespace toolkit {

// The edit box border element, as the platform's theme data numbers it.
inline constexpr int kEditTextPart = 1;
inline constexpr int kEditTextNormal = 1;
inline constexpr int kEditTextDisabled = 4;

class ThemeServices : public Object {
 public:
  ThemeServices();
  bool ThemesAvailable() const;
  bool ThemesEnabled() const { return enabled_ && ThemesAvailable(); }
  void SetThemesEnabled(bool enabled);
  // Nothing is drawn while themes are not enabled; answers whether it drew.
  bool DrawElement(Canvas& canvas, const ThemedPart& part, const Rect& rect) const;
  // Always draws: the part's themed edge while themes are enabled, the
  // classic edge otherwise (edge::, bf:: as Canvas::DrawEdge).
  void DrawEdge(Canvas& canvas, const ThemedPart& part, Rect& rect, unsigned edges, unsigned sides) const;
  // The sunken client edge around a window, on its frame: an edit box's
  // themed border while themes are enabled. Nothing without a window.
  void PaintBorder(WindowHandle window, bool enabled) const;
  // Told when themes are switched on or off.
  NotifyEventChain& OnThemeChange() { return changed_; }

 private:
  bool enabled_ = true;
  NotifyEventChain changed_;
};

ThemeServices& TheThemeServices();

}  // namespace toolkit
