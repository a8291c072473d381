// The "ui" library that "GetLib" on "ui" gives scripts: "form" makes a form
// object, "run" runs the main form's message loop, "delay" waits (pumping
// messages when asked) and "dialog" shows the open, save and folder dialogs.
#pragma once
#include "runtime/lib/library_chain.h"

namespace host::ui {

using namespace runtime;

class CUiLibrary : public CLibrary {
public:
  CUiLibrary();

  // A receiver whose value refers to a "ui" library.
  bool Accepts(CNode* receiver) override;
};

}  // namespace host::ui
