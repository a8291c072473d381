#include "runtime/builtin/builtin_library.h"

#include "runtime/tree/value_node.h"
#include "runtime/builtin/builtin_families.h"

namespace runtime {

CBuiltinLibrary::CBuiltinLibrary() {
  AddProgramBuiltins(*this);
  AddNumberBuiltins(*this);
  AddTextBuiltins(*this);
  AddConversionBuiltins(*this);
  AddStorageBuiltins(*this);
  AddFileBuiltins(*this);
}

bool CBuiltinLibrary::Accepts(CNode* receiver) {
  CValue* value = receiver ? receiver->AsValue() : nullptr;
  return value && !VariantObject(value->ValueRef());
}

}  // namespace runtime
