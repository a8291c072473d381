// A windowed control that paints itself: its canvas is attached to the
// window during each paint cycle and Paint draws the content.
#pragma once
#include <functional>
#include <memory>

#include "toolkit/controls/win_control.h"

namespace toolkit {

class CustomControl : public WinControl {
 public:
  explicit CustomControl(Component* owner);
  String ClassName() const override { return u"CustomControl"; }

  // Valid for drawing only inside Paint.
  Canvas& GetCanvas() { return canvas_; }
  // Paints the content onto another canvas (a bitmap's, say) as a paint
  // cycle would; the target keeps its device.
  void PaintTo(Canvas& target);

 protected:
  // The paint hook; the canvas has the control's font and a brush in its colour.
  virtual void Paint() {}
  void PaintHandler(Message& message) override;
  // The rectangle the current paint cycle must cover.
  Rect UpdateRect() const { return updateRect_; }

 private:
  void RunPaint();

  Canvas canvas_;
  Rect updateRect_;
};

}  // namespace toolkit
