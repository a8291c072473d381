#include "host/native_args.h"

#include <cstring>

#include "host/native_callback.h"
#include "runtime/builtin/text_storage.h"
#include "runtime/sys/file_text.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"

using namespace runtime;

namespace host {

namespace {

// An integer's own 32 bits; any other value converted (doubles rounded,
// a value that cannot convert raises). On x86-64 the 32 bits are widened
// with their sign, and a 64-bit integer, the form addresses travel in, is
// passed whole.
NativeWord IntegerWord(const Value& value) {
  const VarType type = value.Type();
  if (sizeof(NativeWord) > sizeof(int32_t) && (type == varInt64 || type == varUInt64))
    return NativeWord(value.AsUInt64Raw());
  const int32_t bits = IsIntegerType(type) ? int32_t(uint32_t(ToInt64(value))) : ToInt32(value);
  return NativeWord(intptr_t(bits));
}

NativeWord AddressOf(const void* data) { return reinterpret_cast<NativeWord>(data); }

// A system string: its byte length in the two units before the characters,
// then the characters and a terminating zero.
std::u16string SystemStringOf(const Value& value) {
  const std::u16string text = ToUtf16(value);
  const uint32_t bytes = uint32_t(text.size() * 2);
  std::u16string systemString(2, u'\0');
  std::memcpy(systemString.data(), &bytes, sizeof bytes);
  return systemString + text;
}

}  // namespace

CNativeArgs::CNativeArgs(TextView signature, CValueList* args) {
  const int32_t count = CValueList::ArgCount(args);
  words_.reserve(size_t(count));
  for (int32_t i = 0; i < count; ++i) words_.push_back(Convert(ArgKindAt(signature, size_t(i)), args->At(i)));
}

NativeWord CNativeArgs::Convert(ArgKind kind, CValue* node) {
  const Value& value = node ? node->ValueRef() : DefaultValue();
  switch (kind) {
    case ArgKind::kZero: return 0;
    case ArgKind::kInteger: return IntegerWord(value);
    case ArgKind::kAnsiCopy: return AddressOf(bytes_.emplace_back(ToAnsi(value)).c_str());
    case ArgKind::kWideCopy: return AddressOf(systemStrings_.emplace_back(SystemStringOf(value)).c_str() + 2);
    case ArgKind::kLowBytes: return AddressOf(bytes_.emplace_back(WideToBytes(ToUtf16(value))).c_str());
    case ArgKind::kOwnStorage: return node ? OwnStorage(node) : 0;
    case ArgKind::kCallback: {
      CNativeCallback* callback = NativeCallbackOf(value);
      return callback ? AddressOf(callback->Thunk()) : 0;
    }
  }
  return 0;
}

// The export may write there. A text gets a buffer of its own first, so no
// other value sharing it changes; a constant is never written, its copy is.
NativeWord CNativeArgs::OwnStorage(CValue* node) {
  Value& value = node->Id() == ClassId::kValue ? values_.emplace_back(node->ValueRef()) : node->WritableRef();
  if (IsStringType(value.Type())) return AddressOf(OwnTextBytes(value).data());
  // The payload sits at offset 8 of the variant layout.
  return AddressOf(reinterpret_cast<unsigned char*>(&value) + 8);
}

}  // namespace host
