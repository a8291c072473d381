#include "host/ui/ui_library.h"

#include <windows.h>

#include "host/kit/appearance.h"
#include "host/kit/kit_state.h"
#include "host/kit/message_loop.h"
#include "host/ui/form_browser.h"
#include "host/ui/form_library.h"
#include "host/ui/ui_dialog.h"
#include "host/ui/ui_state.h"
#include "runtime/base/ref.h"
#include "runtime/builtin/text_storage.h"
#include "runtime/error.h"
#include "runtime/tree/value_node.h"

using namespace runtime;

namespace host::ui {

namespace {

constexpr int32_t kDefaultWidth = 640;
constexpr int32_t kDefaultHeight = 480;

// A code address given as an integer; 0 when the argument is missing.
uintptr_t CodeArg(CValueList* args, TextView name, int32_t position) {
  CValue* arg = CValueList::GetArg(args, name, position);
  return arg ? AddressFromValue(arg->ValueRef()) : 0;
}

// The first form of a run is the main form; a later one is destroyed with it.
void PlaceForm(kit::TKitForm& form) {
  CFormLibrary& global = GlobalFormObject();
  if (!global.Form()) {
    global.SetForm(&form);
    kit::SetMainForm(&form);
  } else {
    kit::AttachToMainForm(form);
  }
}

// caption (0; ""), width (1; 640), height (2; 480), onclose (3), onmsg (4):
// a counted reference to a new form object whose form is made, hidden and
// centred on the screen.
void DoForm(CContext&, CNode*, CValueList* args, Value& result) {
  const Text caption = CValueList::GetText(args, QT("caption"), QT(""), 0);
  const int32_t width = CValueList::GetInt(args, QT("width"), kDefaultWidth, 1);
  const int32_t height = CValueList::GetInt(args, QT("height"), kDefaultHeight, 2);
  const uintptr_t onClose = CodeArg(args, QT("onclose"), 3);
  const uintptr_t onMessage = CodeArg(args, QT("onmsg"), 4);
  if (width < 0 || height < 0) RaiseError(QT("form: width and height must not be negative"));

  auto* object = new CFormLibrary();
  const auto ownObject = Adopt(object);
  kit::TKitForm* form = kit::NewForm(nullptr, caption);
  const auto ownForm = Adopt(form);
  // Shown by "show" or "run", not before.
  form->style &= ~DWORD(WS_VISIBLE);
  object->SetForm(form);
  KeepRunForm(*form);
  PlaceForm(*form);

  kit::SetControlSize(*form, width, height);
  form->spacing = 0;
  kit::CenterControl(*form);
  object->SetOnCloseCode(onClose);
  object->SetOnMessageCode(onMessage);

  object->SetBrowser(AttachBrowser(*form));
  result.SetCountedObject(object);
}

// Shows the main form and runs its loop until it closes; without a main
// form, or once the loop has ended, returns at once.
void DoRun(CContext&, CNode*, CValueList*, Value&) {
  if (kit::TKitControl* main = kit::MainForm()) kit::RunMessageLoop(*main);
}

// ms (0; 0; below 0 waits 0), doevent (1; false): pumps the queue before and
// after the wait while a main form exists.
void DoDelay(CContext&, CNode*, CValueList* args, Value&) {
  const int32_t ms = CValueList::GetInt(args, QT("ms"), 0, 0);
  const bool pump = CValueList::GetBool(args, QT("doevent"), false, 1);
  if (pump && kit::MainForm()) kit::ProcessMessages();
  ::Sleep(DWORD(ms > 0 ? ms : 0));
  if (pump && kit::MainForm()) kit::ProcessMessages();
}

}  // namespace

CUiLibrary::CUiLibrary() {
  AddHandler(QT("form"), &DoForm);
  AddHandler(QT("run"), &DoRun);
  AddHandler(QT("delay"), &DoDelay);
  AddHandler(QT("dialog"), &DoDialog);
}

bool CUiLibrary::Accepts(CNode* receiver) {
  CValue* value = receiver ? receiver->AsValue() : nullptr;
  return value && dynamic_cast<CUiLibrary*>(value->ValueRef().AsObject());
}

}  // namespace host::ui
