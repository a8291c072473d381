#include "host/com/new_obj.h"

#include <objbase.h>

#include <cstdint>

#include "host/com/ole_error.h"
#include "host/com/ole_text.h"
#include "runtime/builtin/builtin_args.h"
#include "runtime/error.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"

using namespace runtime;

namespace host {

namespace {

bool IsIntegerType(VarType type) {
  return type == varSmallint || type == varInteger || type == varBoolean || (type >= varShortInt && type <= varUInt64);
}

// Releases an interface when the scope ends.
template <class I>
class Held {
public:
  ~Held() {
    if (pointer) pointer->Release();
  }
  I* pointer = nullptr;
};

}  // namespace

CLSID ClassIdFromName(TextView name) {
  std::u16string text = OleTextOf(name);
  std::wstring wide(text.begin(), text.end());
  CLSID id{};
  CheckOle(!wide.empty() && wide[0] == L'{' ? CLSIDFromString(wide.data(), &id)
                                             : CLSIDFromProgID(wide.c_str(), &id));
  return id;
}

IDispatch* CreateOleObjectByName(TextView name, bool get) {
  const CLSID id = ClassIdFromName(name);
  IDispatch* dispatch = nullptr;
  if (!get) {
    CheckOle(CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&dispatch)));
    return dispatch;
  }
  Held<IUnknown> running;
  CheckOle(GetActiveObject(id, nullptr, &running.pointer));
  CheckOle(running.pointer->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)));
  return dispatch;
}

void DoNewObj(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const Value& name = ReceiverValue(receiver);
  if (IsIntegerType(name.Type())) {
    // The reference a native call returned passes to the script value.
    const auto pointer = static_cast<uintptr_t>(ToInt64(name));
    if (!pointer) RaiseError(QT("NewObj: 0 is not an interface pointer"));
    result.AdoptInterface(reinterpret_cast<void*>(pointer));
    return;
  }
  const bool get = CValueList::GetBool(args, QT("get"), false, 0);
  result.AdoptInterface(CreateOleObjectByName(ReceiverText(receiver), get));
}

}  // namespace host
