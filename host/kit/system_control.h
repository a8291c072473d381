// Child controls over the system's own window classes ("BUTTON", "STATIC",
// "EDIT", ...): the kit's class "obj_" + kind is made from the system class,
// whose procedure does the default processing. A reflected WM_CTLCOLOR*
// gives them the kit's text and background colours.
#pragma once
#include <string>

#include "host/kit/kit_control.h"

namespace host::kit {

using namespace runtime;

class TKitSystemControl : public TKitControl {
public:
  TKitSystemControl(std::string kind, const wchar_t* baseClass, TextView caption);
  std::string KindName() const override { return kind_; }
  const wchar_t* BaseClassName() const override { return baseClass_.c_str(); }
  void AfterCreate() override;

private:
  std::string kind_;
  std::wstring baseClass_;
};

// A visible child of parent at the given bounds, counted once for the caller.
TKitSystemControl* NewSystemControl(TKitControl& parent, std::string kind, const wchar_t* baseClass,
                                    TextView caption, const RECT& bounds);

}  // namespace host::kit
