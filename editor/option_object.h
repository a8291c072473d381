// An option object of the editor: setters store through Store, which fires
// OnChange only when the value really changed.
#pragma once
#include "toolkit/core/component.h"
#include "toolkit/core/method.h"

namespace editor {

class TCodeOptionObject : public toolkit::Persistent {
 public:
  toolkit::NotifyEvent OnChange;

 protected:
  template <class T>
  void Store(T& field, T value) {
    if (field == value) return;
    field = value;
    OnChange(this);
  }
};

}  // namespace editor
