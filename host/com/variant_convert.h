// Script values and OLE variants meet only here: our 16-byte value is never
// taken for a VARIANT (24 bytes on x86-64). Outbound, texts become OLE
// strings and script objects variant arrays; values only scripts know never
// reach COM as such. Inbound, everything is deep-copied.
#pragma once
#include <windows.h>
#include <ole2.h>

#include "runtime/value/value.h"

namespace runtime {
class CObjectValue;
}  // namespace runtime

namespace host {

using namespace runtime;

// A VARIANT that clears itself.
class OleVariant {
public:
  OleVariant() { VariantInit(&variant_); }
  ~OleVariant() { VariantClear(&variant_); }
  OleVariant(const OleVariant&) = delete;
  OleVariant& operator=(const OleVariant&) = delete;

  VARIANT* operator&() { return &variant_; }
  VARIANT& Get() { return variant_; }
  const VARIANT& Get() const { return variant_; }

private:
  VARIANT variant_;
};

// Fills out (empty on entry) with a COM copy of the value; raises for a value
// COM cannot take, leaving out empty.
void ToVariant(const Value& value, VARIANT& out);
// A variant array of the object's member values, bounds 0 to count - 1.
void ListToVarArray(CObjectValue* object, VARIANT& out);
// Sets target to a deep copy of the variant (by-reference contents read
// through, texts of the build's kind, one-dimensional arrays as script
// lists); raises for a type scripts cannot hold.
void FromVariant(const VARIANT& variant, Value& target);

}  // namespace host
