#include "runtime/value/value.h"

#include "runtime/error.h"
#include "runtime/value/array_rep.h"
#include "platform/interfaces.h"

namespace runtime {

Value& Value::AssignSlow(const Value& other) {
  if (this != &other) {
    Value copy(other);
    *this = static_cast<Value&&>(copy);
  }
  return *this;
}

void Value::TakeReference() {
  switch (type_) {
    case varOleStr:
    case varUString:
      if (ptr_) Text16()->AddRef();
      break;
    case varString:
      if (ptr_) Text8()->AddRef();
      break;
    case varCountedObject:
      AddRefObject(static_cast<CBase*>(ptr_));
      break;
    case varDispatch:
    case varUnknown:
      if (ptr_) platform::AddRefInterface(ptr_);
      break;
    case varVariantArray:
    case varByteArray:
      if (ptr_) Array()->AddRef();
      break;
    default:
      if (NeedsClear(type_)) {
        Forget();
        RaiseError(QT("Value type cannot be copied"));
      }
  }
}

void Value::ClearSlow() {
  void* p = ptr_;
  VarType t = type_;
  Forget();
  switch (t) {
    case varOleStr:
    case varUString:
      if (p) static_cast<TextRep16*>(p)->Release();
      break;
    case varString:
      if (p) static_cast<TextRep8*>(p)->Release();
      break;
    case varCountedObject:
      ReleaseObject(static_cast<CBase*>(p));
      break;
    case varDispatch:
    case varUnknown:
      if (p) platform::ReleaseInterface(p);
      break;
    case varVariantArray:
    case varByteArray:
      if (p) static_cast<ArrayRep*>(p)->Release();
      break;
    default:
      break;
  }
}

void Value::SetText(TextView text) {
#ifdef QEL_ANSI
  SetAnsiString(text, 0);
#else
  SetUString(text);
#endif
}

void Value::SetUString(std::u16string_view text) { AdoptText(TextRep16::Make(text)); }

void Value::SetAnsiString(std::string_view text, uint16_t codePage) { AdoptText(TextRep8::Make(text, codePage)); }

void Value::AdoptText(TextRep16* rep, VarType type) {
  Clear();
  type_ = type;
  ptr_ = rep;
}

void Value::AdoptText(TextRep8* rep) {
  Clear();
  type_ = varString;
  ptr_ = rep;
}

#ifdef QEL_ANSI
bool Value::HoldsBuildText() const { return type_ == varString && ptr_ && Text8()->codePage == 0; }
#else
bool Value::HoldsBuildText() const { return type_ == varUString && ptr_; }
#endif

bool Value::OwnsText() const { return HoldsBuildText() && static_cast<BuildTextRep*>(ptr_)->refs == 1; }

void Value::AppendOwnText(TextView tail) { ptr_ = BuildTextRep::Append(static_cast<BuildTextRep*>(ptr_), tail); }

void Value::SetObject(CBase* object) { SetObjectRef(object, varObject); }

void Value::SetCountedObject(CBase* object) { SetObjectRef(object, varCountedObject); }

void Value::SetObjectRef(CBase* object, VarType type) {
  // Counted first, so that setting a value to the object it already holds is safe.
  if (type == varCountedObject) AddRefObject(object);
  Clear();
  type_ = type;
  bits_ = 0;
  ptr_ = object;
}

void Value::AdoptInterface(void* unknown, VarType type) {
  Clear();
  if (!unknown) return;
  type_ = type;
  bits_ = 0;
  ptr_ = unknown;
}

void Value::AdoptArray(ArrayRep* rep) {
  Clear();
  type_ = rep->Type();
  ptr_ = rep;
}

ArrayRep* Value::MutableArray() {
  if ((type_ != varVariantArray && type_ != varByteArray) || !ptr_) return nullptr;
  if (Array()->RefCount() > 1) {
    ArrayRep* copy = Array()->Clone();
    Array()->Release();
    ptr_ = copy;
  }
  return Array();
}

CBase* VariantObject(const Value& value) { return value.AsObject(); }

void ClearCountedObject(Value& value) {
  if (value.Type() == varCountedObject) value.Clear();
}

void SetVariantObject(Value& value, CBase* object, VarType type) { value.SetObjectRef(object, type); }

const Value& DefaultValue() {
  static const Value empty;
  return empty;
}

}  // namespace runtime
