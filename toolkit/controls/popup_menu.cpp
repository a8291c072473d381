#include "toolkit/controls/popup_menu.h"

namespace toolkit {

void PopupMenu::SetPopupComponent(Component* component) {
  if (component == popupComponent_) return;
  if (popupComponent_) popupComponent_->RemoveFreeNotification(this);
  popupComponent_ = component;
  if (component) component->FreeNotification(this);
}

void PopupMenu::Popup(int x, int y) {
  popupPoint_ = {x, y};
  OnPopup(this);
}

void PopupMenu::Notification(Component* component, Operation operation) {
  Component::Notification(component, operation);
  if (operation == Operation::Remove && component == popupComponent_) popupComponent_ = nullptr;
}

}  // namespace toolkit
