// The menu a control pops up on a context-menu request. The toolkit keeps
// only what controls need of it; the programs' menus derive from it and show
// their items in Popup.
#pragma once
#include "toolkit/core/component.h"
#include "toolkit/core/geometry.h"

namespace toolkit {

class PopupMenu : public Component {
 public:
  explicit PopupMenu(Component* owner) : Component(owner) {}

  String ClassName() const override { return u"PopupMenu"; }

  // Off: controls leave the menu to their own code.
  bool AutoPopup = true;
  // The component whose request showed the menu last; forgotten when freed.
  Component* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(Component* component);

  // Shows the menu at a screen point: tells OnPopup.
  virtual void Popup(int x, int y);
  Point PopupPoint() const { return popupPoint_; }
  NotifyEvent OnPopup;

 protected:
  void Notification(Component* component, Operation operation) override;

 private:
  Component* popupComponent_ = nullptr;
  Point popupPoint_;
};

}  // namespace toolkit
