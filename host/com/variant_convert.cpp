#include "host/com/variant_convert.h"

#include <vector>

#include "host/com/ole_error.h"
#include "host/com/ole_text.h"
#include "runtime/builtin/builtin_args.h"
#include "runtime/error.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/array_rep.h"

using namespace runtime;

namespace host {

namespace {

// Objects that hold themselves would otherwise never end.
constexpr int kMaxNesting = 64;

void ToVariantAt(const Value& value, VARIANT& out, int depth);

[[noreturn]] void RaiseTooDeep() { RaiseError(QT("Value nested too deeply to pass to a COM object")); }

// A new array of variants; each element is filled by fill(index, element).
template <class Fill>
void MakeVariantArray(std::vector<SAFEARRAYBOUND>& bounds, int32_t count, VARIANT& out, Fill&& fill) {
  SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, UINT(bounds.size()), bounds.data());
  if (!array) RaiseError(QT("Out of memory"));
  VARIANT* elements = nullptr;
  HRESULT status = SafeArrayAccessData(array, reinterpret_cast<void**>(&elements));
  if (FAILED(status)) {
    SafeArrayDestroy(array);
    RaiseOleError(status);
  }
  try {
    for (int32_t i = 0; i < count; ++i) fill(i, elements[i]);
  } catch (...) {
    SafeArrayUnaccessData(array);
    SafeArrayDestroy(array);
    throw;
  }
  SafeArrayUnaccessData(array);
  out.vt = VT_ARRAY | VT_VARIANT;
  out.parray = array;
}

void ArrayToVariant(const ArrayRep& rep, VARIANT& out, int depth) {
  std::vector<SAFEARRAYBOUND> bounds;
  for (int32_t d = 0; d < rep.DimCount(); ++d)
    bounds.push_back(SAFEARRAYBOUND{ULONG(rep.Bound(d).count), LONG(rep.Bound(d).lower)});
  if (rep.Type() == varByteArray) {
    SAFEARRAY* array = SafeArrayCreate(VT_UI1, UINT(bounds.size()), bounds.data());
    if (!array) RaiseError(QT("Out of memory"));
    void* bytes = nullptr;
    if (SUCCEEDED(SafeArrayAccessData(array, &bytes))) {
      if (rep.Count() > 0) memcpy(bytes, rep.Bytes(), size_t(rep.Count()));
      SafeArrayUnaccessData(array);
    }
    out.vt = VT_ARRAY | VT_UI1;
    out.parray = array;
    return;
  }
  MakeVariantArray(bounds, rep.Count(), out,
                   [&](int32_t i, VARIANT& element) { ToVariantAt(rep.Element(i), element, depth + 1); });
}

void ListToVarArrayAt(CObjectValue* object, VARIANT& out, int depth) {
  CValueList* members = object->Members();
  const int32_t count = object->MemberCount();
  std::vector<SAFEARRAYBOUND> bounds{SAFEARRAYBOUND{ULONG(count), 0}};
  MakeVariantArray(bounds, count, out, [&](int32_t i, VARIANT& element) {
    ToVariantAt(members ? members->ValueAt(i) : DefaultValue(), element, depth + 1);
  });
}

void ToVariantAt(const Value& value, VARIANT& out, int depth) {
  if (depth > kMaxNesting) RaiseTooDeep();
  switch (value.Type()) {
    case varEmpty: out.vt = VT_EMPTY; return;
    case varNull: out.vt = VT_NULL; return;
    case varSmallint: out.vt = VT_I2; out.iVal = value.AsInt16Raw(); return;
    case varInteger: out.vt = VT_I4; out.lVal = value.AsInt32Raw(); return;
    case varSingle: out.vt = VT_R4; out.fltVal = value.AsSingleRaw(); return;
    case varDouble: out.vt = VT_R8; out.dblVal = value.AsDoubleRaw(); return;
    case varCurrency: out.vt = VT_CY; out.cyVal.int64 = value.AsCurrencyRaw(); return;
    case varDate: out.vt = VT_DATE; out.date = value.AsDoubleRaw(); return;
    case varError: out.vt = VT_ERROR; out.scode = SCODE(value.AsInt32Raw()); return;
    case varBoolean: out.vt = VT_BOOL; out.boolVal = value.AsBoolRaw() ? VARIANT_TRUE : VARIANT_FALSE; return;
    case varShortInt: out.vt = VT_I1; out.cVal = CHAR(value.AsInt8Raw()); return;
    case varByte: out.vt = VT_UI1; out.bVal = value.AsUInt8Raw(); return;
    case varWord: out.vt = VT_UI2; out.uiVal = value.AsUInt16Raw(); return;
    case varLongWord: out.vt = VT_UI4; out.ulVal = value.AsUInt32Raw(); return;
    case varInt64: out.vt = VT_I8; out.llVal = value.AsInt64Raw(); return;
    case varUInt64: out.vt = VT_UI8; out.ullVal = value.AsUInt64Raw(); return;
    case varOleStr:
    case varString:
    case varUString:
      out.bstrVal = ToOleStr(value);
      out.vt = VT_BSTR;
      return;
    case varDispatch:
    case varUnknown:
      if (value.Pointer()) static_cast<IUnknown*>(value.Pointer())->AddRef();
      out.vt = value.Type() == varDispatch ? VT_DISPATCH : VT_UNKNOWN;
      out.punkVal = static_cast<IUnknown*>(value.Pointer());
      return;
    case varVariantArray:
    case varByteArray:
      if (value.Array()) {
        ArrayToVariant(*value.Array(), out, depth);
      } else {
        out.vt = VT_EMPTY;
      }
      return;
    case varObject:
    case varCountedObject:
      if (CObjectValue* object = ScriptObjectOf(value)) return ListToVarArrayAt(object, out, depth);
      RaiseError(QT("Only script objects can be passed to a COM object, not functions or other references"));
    default:
      RaiseError(QT("A value of type ") + DecimalText(value.Type()) + QT(" cannot be passed to a COM object"));
  }
}

// A list scripts can count, index and walk, of the elements in order.
void SetScriptList(const ArrayRep& elements, Value& target) {
  auto* list = new CObjectInstance(nullptr);
  Value made;
  made.SetCountedObject(list);
  list->Release();
  for (int32_t i = 0; i < elements.Count(); ++i) {
    auto* member = new CValue(list, elements.Element(i));
    list->Members()->Add(member);
  }
  target = std::move(made);
}

void ArrayFromVariant(SAFEARRAY* array, VARTYPE elementType, Value& target) {
  const UINT dims = SafeArrayGetDim(array);
  std::vector<ArrayBound> bounds;
  for (UINT d = 1; d <= dims; ++d) {
    LONG lower = 0, upper = -1;
    CheckOle(SafeArrayGetLBound(array, d, &lower));
    CheckOle(SafeArrayGetUBound(array, d, &upper));
    bounds.push_back(ArrayBound{int32_t(lower), int32_t(upper - lower + 1)});
  }
  const bool bytes = elementType == VT_UI1;
  ArrayRep* rep = ArrayRep::Make(bytes ? varByteArray : varVariantArray, bounds);
  Value result;
  result.AdoptArray(rep);
  char* data = nullptr;
  CheckOle(SafeArrayAccessData(array, reinterpret_cast<void**>(&data)));
  try {
    const UINT size = SafeArrayGetElemsize(array);
    if (bytes) {
      if (rep->Count() > 0) memcpy(rep->Bytes(), data, size_t(rep->Count()));
    } else {
      for (int32_t i = 0; i < rep->Count(); ++i) {
        const char* element = data + size_t(i) * size;
        if (elementType == VT_VARIANT) {
          FromVariant(*reinterpret_cast<const VARIANT*>(element), rep->Element(i));
        } else {
          // A typed element read as a variant of its type; FromVariant copies it.
          VARIANT view;
          VariantInit(&view);
          memcpy(&view.llVal, element, size <= sizeof view.llVal ? size : sizeof view.llVal);
          view.vt = elementType;
          FromVariant(view, rep->Element(i));
        }
      }
    }
  } catch (...) {
    SafeArrayUnaccessData(array);
    throw;
  }
  SafeArrayUnaccessData(array);
  if (dims == 1 && !bytes) return SetScriptList(*rep, target);
  target = std::move(result);
}

// Target from a variant that holds no reference.
void FromPlainVariant(VARIANT& v, Value& target) {
  switch (v.vt) {
    case VT_EMPTY: target.Clear(); return;
    case VT_NULL: target.SetNull(); return;
    case VT_I2: target.SetRaw(varSmallint, uint16_t(v.iVal)); return;
    case VT_I4: target.SetInt(v.lVal); return;
    case VT_INT: target.SetInt(v.intVal); return;
    case VT_R4: target.SetSingle(v.fltVal); return;
    case VT_R8: target.SetDouble(v.dblVal); return;
    case VT_CY: target.SetCurrency(v.cyVal.int64); return;
    case VT_DATE: target.SetDate(v.date); return;
    case VT_ERROR: target.SetRaw(varError, uint32_t(v.scode)); return;
    case VT_BOOL: target.SetBool(v.boolVal != VARIANT_FALSE); return;
    case VT_I1: target.SetRaw(varShortInt, uint8_t(v.cVal)); return;
    case VT_UI1: target.SetRaw(varByte, v.bVal); return;
    case VT_UI2: target.SetRaw(varWord, v.uiVal); return;
    case VT_UI4: target.SetUInt32(v.ulVal); return;
    case VT_UINT: target.SetUInt32(v.uintVal); return;
    case VT_I8: target.SetInt64(v.llVal); return;
    case VT_UI8: target.SetRaw(varUInt64, v.ullVal); return;
    case VT_BSTR: SetTextFromOle(target, v.bstrVal); return;
    case VT_DISPATCH:
    case VT_UNKNOWN:
      if (v.punkVal) v.punkVal->AddRef();
      target.AdoptInterface(v.punkVal, v.vt == VT_DISPATCH ? varDispatch : varUnknown);
      return;
    case VT_DECIMAL:
      CheckOle(VariantChangeType(&v, &v, 0, VT_R8));
      target.SetDouble(v.dblVal);
      return;
    default:
      if ((v.vt & VT_ARRAY) && v.parray) return ArrayFromVariant(v.parray, VARTYPE(v.vt & VT_TYPEMASK), target);
      RaiseError(QT("A COM value of type ") + DecimalText(v.vt) + QT(" cannot be held by a script"));
  }
}

}  // namespace

void ToVariant(const Value& value, VARIANT& out) {
  try {
    ToVariantAt(value, out, 0);
  } catch (...) {
    VariantClear(&out);
    throw;
  }
}

void ListToVarArray(CObjectValue* object, VARIANT& out) { ListToVarArrayAt(object, out, 0); }

void FromVariant(const VARIANT& variant, Value& target) {
  OleVariant copy;
  CheckOle(VariantCopyInd(&copy, const_cast<VARIANT*>(&variant)));
  FromPlainVariant(copy.Get(), target);
}

}  // namespace host
