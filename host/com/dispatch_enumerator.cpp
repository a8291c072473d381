#include "host/com/dispatch_enumerator.h"

#include <windows.h>
#include <ole2.h>

#include "host/com/ole_error.h"
#include "host/com/variant_convert.h"
#include "host/error_relay.h"
#include "runtime/error.h"

using namespace runtime;

namespace host {

namespace {

class CVariantEnumerator : public CElementEnumerator {
public:
  explicit CVariantEnumerator(IEnumVARIANT* items) : items_(items) {}
  ~CVariantEnumerator() override { items_->Release(); }

  bool Next(Value& element) override {
    OleVariant item;
    ULONG fetched = 0;
    const HRESULT status = items_->Next(1, &item, &fetched);
    ErrorRelay::RaisePending();
    CheckOle(status);
    if (status != S_OK || fetched == 0) return false;
    FromVariant(item.Get(), element);
    return true;
  }

private:
  IEnumVARIANT* items_;
};

}  // namespace

CElementEnumerator* NewDispatchEnumerator(const Value& collection) {
  auto* object = static_cast<IDispatch*>(collection.Pointer());
  if (!object) RaiseError(QT("for each needs a COM object, not an empty one"));
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  OleVariant returned;
  const HRESULT status = object->Invoke(DISPID_NEWENUM, IID_NULL, LOCALE_USER_DEFAULT,
                                        DISPATCH_METHOD | DISPATCH_PROPERTYGET, &none, &returned, nullptr, nullptr);
  ErrorRelay::RaisePending();
  if (FAILED(status)) RaiseError(QT("for each: the COM object has no enumerator (") + OleErrorText(status) + QT(")"));
  const VARIANT& made = returned.Get();
  IEnumVARIANT* items = nullptr;
  if ((made.vt != VT_UNKNOWN && made.vt != VT_DISPATCH) || !made.punkVal ||
      FAILED(made.punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&items))))
    RaiseError(QT("for each: the COM object's enumerator is not an IEnumVARIANT"));
  return new CVariantEnumerator(items);
}

}  // namespace host
