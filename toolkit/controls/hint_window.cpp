#include "toolkit/controls/hint_window.h"

#include "toolkit/controls/screen.h"

namespace toolkit {

HintWindow::HintWindow(Component* owner) : CustomControl(owner) {
  SetVisible(false);
  SetColor(clInfoBk);
  GetFont().Assign(&TheScreen().HintFont());
}

void HintWindow::CreateParams(toolkit::CreateParams& params) {
  CustomControl::CreateParams(params);
  params.style = ws::Popup | ws::Border;
  params.exStyle = ws::ExToolWindow | ws::ExTopmost;
  params.classStyle |= ws::ClassSaveBits | ws::ClassDropShadow;
  params.parent = 0;
}

void HintWindow::Dispatch(Message& message) {
  if (message.msg == msg::NcHitTest) {
    message.result = kHitTransparent;
    return;
  }
  CustomControl::Dispatch(message);
}

void HintWindow::ActivateHint(const Rect& rect, const String& text) {
  SetCaption(text);
  Rect placed = rect;
  const Rect work = TheScreen().WorkAreaRect();
  // Keep the window on the screen: left and up first, then right and down.
  if (placed.right > work.right) placed = placed.Offset(work.right - placed.right, 0);
  if (placed.bottom > work.bottom) placed = placed.Offset(0, work.bottom - placed.bottom);
  if (placed.left < work.left) placed = placed.Offset(work.left - placed.left, 0);
  if (placed.top < work.top) placed = placed.Offset(0, work.top - placed.top);
  SetBounds(placed.left, placed.top, placed.Width(), placed.Height());
  active_ = true;
  SetVisible(true);
  Invalidate();
}

void HintWindow::ActivateHintData(const Rect& rect, const String& text, void*) { ActivateHint(rect, text); }

Rect HintWindow::CalcHintRect(int maxWidth, const String& text, void*) {
  Canvas measure;
  measure.SetDevice(CurrentBackend().MeasuringDevice());
  measure.GetFont().Assign(&font_);
  Rect rect{0, 0, maxWidth, 0};
  measure.DrawText(text, rect, dtCalcRect | dtLeft | dtWordBreak | dtNoPrefix);
  // Room for the border and a little air around the text.
  return {0, 0, rect.right + 6, rect.bottom + 4};
}

bool HintWindow::IsHintMsg(const Message& message) const {
  const std::uint32_t m = message.msg;
  return (m >= msg::KeyDown && m <= msg::KeyLast) || (m >= msg::LButtonDown && m <= msg::MButtonDblClk) ||
         m == msg::NcMouseMove;
}

void HintWindow::ReleaseHandle() {
  active_ = false;
  SetVisible(false);
}

void HintWindow::Paint() {
  Canvas& canvas = GetCanvas();
  Rect rect = ClientRect();
  canvas.GetBrush().SetColor(GetColor());
  canvas.FillRect(rect);
  canvas.GetFont().SetColor(clInfoText);
  canvas.GetBrush().SetStyle(BrushStyle::Clear);
  rect = rect.Inflate(-2, -2);
  canvas.DrawText(Caption(), rect, dtLeft | dtWordBreak | dtNoPrefix);
}

}  // namespace toolkit
