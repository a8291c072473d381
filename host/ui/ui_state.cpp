#include "host/ui/ui_state.h"

#include <vector>

#include "host/kit/kit_control.h"
#include "host/kit/kit_state.h"
#include "host/ui/form_library.h"
#include "host/ui/ui_library.h"
#include "runtime/base/ref.h"
#include "runtime/startup/runtime_init.h"

using namespace runtime;

namespace host::ui {

namespace {

std::vector<Ref<kit::TKitForm>>& RunForms() {
  static std::vector<Ref<kit::TKitForm>> forms;
  return forms;
}

// The chain takes a reference of its own to the process-wide objects.
CLibrary* ChainUiLibrary() {
  CUiLibrary& library = UiLibrary();
  library.AddRef();
  return &library;
}

CLibrary* ChainFormLibrary() {
  CFormLibrary& library = GlobalFormObject();
  library.AddRef();
  return &library;
}

}  // namespace

void InitUiLibraries() {
  RegisterLibrary(LibrarySlot::kUi, &ChainUiLibrary);
  RegisterLibrary(LibrarySlot::kForm, &ChainFormLibrary);
  RegisterNamedLibrary(QT("ui"), &ChainUiLibrary);
  RegisterRunStateReset(&ResetUiState);
}

// Both live for the process: the chain of every run refers to them.
CUiLibrary& UiLibrary() {
  static auto* library = new CUiLibrary();
  return *library;
}

CFormLibrary& GlobalFormObject() {
  static auto* object = new CFormLibrary();
  return *object;
}

void KeepRunForm(kit::TKitForm& form) { RunForms().push_back(Retain(&form)); }

void ResetUiState() {
  std::vector<Ref<kit::TKitForm>> forms;
  forms.swap(RunForms());
  for (const auto& form : forms) {
    form->SetCloseEvent(nullptr, nullptr);
    form->SetMessageEvent(nullptr, nullptr);
  }
  kit::ResetKitState();
  for (const auto& form : forms) kit::DestroyControl(*form);
  forms.clear();
  GlobalFormObject().SetForm(nullptr);
  GlobalFormObject().SetBrowser(nullptr);
  // Destroying the windows may have left a quit message behind.
  kit::ResetKitState();
}

}  // namespace host::ui
