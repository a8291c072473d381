#include "host/ui/form_library.h"

#include <vector>

#include "host/kit/appearance.h"
#include "host/kit/kit_state.h"
#include "host/native_call.h"
#include "host/ui/form_browser.h"
#include "runtime/builtin/builtin_args.h"
#include "runtime/builtin/text_storage.h"
#include "runtime/error.h"
#include "runtime/tree/value_node.h"

using namespace runtime;

namespace host::ui {

namespace {

CFormLibrary* ReceiverForm(CNode* receiver) { return FormObjectOf(ReceiverValue(receiver)); }

// A form that has gone with the end of its loop or run is never touched again.
kit::TKitForm* LiveForm(CNode* receiver) {
  kit::TKitForm* form = ReceiverForm(receiver)->Form();
  return form && !form->IsDestroyed() ? form : nullptr;
}

// alpha (0; 255): 1..255 shows with that opacity, 0 hides, below 0 posts a
// close, 256 and above change nothing but "ontop" (1; false). Answers the
// visibility.
void DoShow(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const int32_t alpha = CValueList::GetInt(args, QT("alpha"), 255, 0);
  const bool onTop = CValueList::GetBool(args, QT("ontop"), false, 1);
  result.SetBool(false);
  kit::TKitForm* form = LiveForm(receiver);
  if (kit::Terminated() || !form) return;
  const auto keep = Retain(form);
  // From now on a refused close is honoured.
  kit::SetRunningCount(1);
  if (alpha >= 1 && alpha <= 255) kit::SetAlphaBlend(*form, alpha);
  kit::SetTopMost(*form, onTop);
  if (alpha < 0) {
    kit::PostClose(*form);
  } else if (alpha == 0) {
    kit::HideControl(*form);
  } else if (alpha <= 255 && !kit::IsControlVisible(*form)) {
    kit::ShowAndActivate(*form);
  }
  result.SetBool(kit::IsControlVisible(*form));
}

// 0 while the form has no window, and for good once it is destroyed.
void DoHwnd(CContext&, CNode* receiver, CValueList*, Value& result) {
  kit::TKitForm* form = LiveForm(receiver);
  SetAddress(result, form ? form->Window() : nullptr);
}

void DoHtml(CContext&, CNode* receiver, CValueList*, Value& result) {
  if (!LiveForm(receiver)) RaiseError(QT("html: the form is closed"));
  BrowserAutomation(ReceiverForm(receiver)->Browser(), result);
}

// The callbacks run through the native call path, which puts the stack
// pointer back whatever the callee removed: a callback made with the wrong
// number of arguments cannot unbalance the window procedure's stack.
NativeWord CallCode(void* code, const std::vector<NativeWord>& words) { return CallExport(code, words, 'i'); }

}  // namespace

CFormLibrary::CFormLibrary() {
  AddHandler(QT("show"), &DoShow);
  AddHandler(QT("hwnd"), &DoHwnd);
  AddHandler(QT("html"), &DoHtml);
}

bool CFormLibrary::Accepts(CNode* receiver) {
  CValue* value = receiver ? receiver->AsValue() : nullptr;
  return value && FormObjectOf(value->ValueRef());
}

void CFormLibrary::SetOnCloseCode(uintptr_t code) {
  onClose_ = code;
  if (form_ && code) kit::SetOnClose(*form_, &FormOnClose, reinterpret_cast<void*>(code));
}

void CFormLibrary::SetOnMessageCode(uintptr_t code) {
  onMessage_ = code;
  if (form_ && code) kit::SetOnMessage(*form_, &FormOnMessage, reinterpret_cast<void*>(code));
}

CFormLibrary* FormObjectOf(const Value& value) { return dynamic_cast<CFormLibrary*>(value.AsObject()); }

void FormOnClose(void* code, kit::TKitControl&, bool& accept) { accept = (CallCode(code, {}) & 0xFF) != 0; }

bool FormOnMessage(void* code, kit::TKitControl&, kit::TKitMessage& message) {
  const NativeWord answer = CallCode(code, {reinterpret_cast<NativeWord>(message.window), NativeWord(message.message),
                                            NativeWord(message.wParam), NativeWord(message.lParam)});
  if ((answer & 0xFF) == 0) return false;
  message.result = LRESULT(int32_t(uint32_t(answer)));
  return true;
}

}  // namespace host::ui
