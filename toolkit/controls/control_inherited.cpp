// What a control takes from its parent while it follows it: the font, the
// colour and the bidi mode. A windowed control tells its children when its
// own change (cm::Parent...Changed), and when it takes them in.
#include "toolkit/controls/control.h"
#include "toolkit/controls/popup_menu.h"
#include "toolkit/controls/win_control.h"

namespace toolkit {

void Control::FontChangedHandler(Object*) {
  if (!takingParentFont_) parentFont_ = false;
  Perform(cm::FontChanged);
}

void Control::SetParentFont(bool follow) {
  if (follow == parentFont_) return;
  parentFont_ = follow;
  if (follow) TakeParentFont();
}

void Control::SetParentColor(bool follow) {
  if (follow == parentColor_) return;
  parentColor_ = follow;
  if (follow) TakeParentColor();
}

void Control::SetBiDiMode(BiDiMode mode) {
  parentBiDiMode_ = false;
  if (mode == biDiMode_) return;
  biDiMode_ = mode;
  Perform(cm::BiDiModeChanged);
}

void Control::SetParentBiDiMode(bool follow) {
  if (follow == parentBiDiMode_) return;
  parentBiDiMode_ = follow;
  if (follow) TakeParentBiDiMode();
}

void Control::TakeParentFont() {
  if (!parentFont_ || !parent_) return;
  takingParentFont_ = true;
  try {
    font_.Assign(&parent_->GetFont());
  } catch (...) {
    takingParentFont_ = false;
    throw;
  }
  takingParentFont_ = false;
}

void Control::TakeParentColor() {
  if (!parentColor_ || !parent_) return;
  SetColor(parent_->GetColor());
  parentColor_ = true;
}

void Control::TakeParentBiDiMode() {
  if (!parentBiDiMode_ || !parent_) return;
  SetBiDiMode(parent_->GetBiDiMode());
  parentBiDiMode_ = true;
}

void Control::SetPopupMenu(PopupMenu* menu) {
  if (menu == popupMenu_) return;
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void Control::Notification(Component* component, Operation operation) {
  Component::Notification(component, operation);
  if (operation == Operation::Remove && component == popupMenu_) popupMenu_ = nullptr;
}

}  // namespace toolkit
