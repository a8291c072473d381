#include "editor/selected_color.h"

namespace editor {

void TCodeSelectedColor::Assign(const toolkit::Persistent* source) {
  const auto* other = dynamic_cast<const TCodeSelectedColor*>(source);
  if (!other) {
    Persistent::Assign(source);
    return;
  }
  background_ = other->background_;
  foreground_ = other->foreground_;
  OnChange(this);
}

void TCodeSelectedColor::SetBackground(toolkit::Color color) {
  if (color == background_) return;
  background_ = color;
  OnChange(this);
}

void TCodeSelectedColor::SetForeground(toolkit::Color color) {
  if (color == foreground_) return;
  foreground_ = color;
  OnChange(this);
}

}  // namespace editor
