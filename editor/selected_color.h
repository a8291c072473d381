// The colours of selected text.
#pragma once
#include "editor/colors.h"
#include "toolkit/core/component.h"

namespace editor {

class TCodeSelectedColor : public toolkit::Persistent {
 public:
  toolkit::String ClassName() const override { return u"TCodeSelectedColor"; }
  // From another selection colour: both colours, one OnChange.
  void Assign(const toolkit::Persistent* source) override;

  toolkit::Color Background() const { return background_; }
  void SetBackground(toolkit::Color color);
  toolkit::Color Foreground() const { return foreground_; }
  void SetForeground(toolkit::Color color);

  toolkit::NotifyEvent OnChange;

 private:
  toolkit::Color background_ = kColorHighlight;
  toolkit::Color foreground_ = kColorHighlightText;
};

}  // namespace editor
