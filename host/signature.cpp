#include "host/signature.h"

#include <array>
#include <utility>

#include "host/native_text.h"
#include "runtime/builtin/text_storage.h"
#include "runtime/error.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"
#include "runtime/value/text_access.h"

using namespace runtime;

namespace host {

namespace {

// Indexed by letter - "a", for the letters "a" to "w".
constexpr std::array<ArgKind, 23> kArgKinds = [] {
  std::array<ArgKind, 23> kinds{};
  auto set = [&kinds](char letter, ArgKind kind) { kinds[size_t(letter - 'a')] = kind; };
  set('i', ArgKind::kInteger);
  set('l', ArgKind::kInteger);
  set('n', ArgKind::kInteger);
  set('a', ArgKind::kAnsiCopy);
  set('w', ArgKind::kWideCopy);
  set('s', ArgKind::kWideCopy);
  set('r', ArgKind::kLowBytes);
  set('p', ArgKind::kOwnStorage);
  set('c', ArgKind::kCallback);
  return kinds;
}();

// A word that is not a 32-bit letter's: the whole word, unsigned.
void SetWord(NativeWord word, Value& value) {
  if constexpr (sizeof(NativeWord) == sizeof(uint32_t))
    value.SetUInt32(uint32_t(word));
  else
    value.SetInt64(int64_t(word));
}

void SetInt32Letter(Char letter, NativeWord word, Value& value) {
  if (letter == 'i')
    value.SetInt(int32_t(uint32_t(word)));
  else
    value.SetUInt32(uint32_t(word));
}

}  // namespace

ArgKind ArgKindOf(Char letter) {
  const unsigned code = CodeUnit(letter);
  return code >= 'a' && code <= 'w' ? kArgKinds[code - 'a'] : ArgKind::kZero;
}

bool IsInt32Letter(Char letter) { return letter == 'i' || letter == 'l' || letter == 'n'; }

void CheckCallSignature(TextView signature) {
  if (signature.empty()) RaiseError(QT("GetApi: the type \"\" has no result letter"));
}

void CheckCallbackSignature(TextView signature) {
  if (signature.size() >= 2) return;
  // Built by appending: MinGW's -Wrestrict misreads a chain of + here.
  Text message = QT("@toCallback: the type \"");
  message += signature;
  message += QT("\" needs at least two letters");
  RaiseError(std::move(message));
}

void SetCallResult(Char letter, NativeWord word, Value& result) {
  switch (letter) {
    case 'a': return result.SetText(AnsiTextAt(word));
    case 's':
    case 'w': return result.SetText(WideTextAt(word));
    default:
      if (IsInt32Letter(letter)) return SetInt32Letter(letter, word, result);
      return SetWord(word, result);
  }
}

void SetCallbackArg(Char letter, NativeWord word, Value& arg) {
  switch (letter) {
    case 'p':
    case 's':
    case 'w': return arg.SetText(WideTextAt(word));
    case 'W': return arg.SetText(NarrowedSystemStringAt(word));
    case 'a': return arg.SetText(AnsiTextAt(word));
    case 'c':
    case 'v': return arg.Clear();
    default:
      if (IsInt32Letter(letter)) return SetInt32Letter(letter, word, arg);
      return SetWord(word, arg);
  }
}

// Texts give their own characters, valid until the function's result is
// next replaced; numbers their value, doubles rounded.
NativeWord CallbackResultWord(const Value& result) {
  const VarType type = result.Type();
  if (IsStringType(type)) return reinterpret_cast<NativeWord>(TextBytes(result).data());
  if (type == varEmpty || type == varNull) return 0;
  if (CBase* object = VariantObject(result)) return reinterpret_cast<NativeWord>(object);
  if (type == varDispatch || type == varUnknown || (type & (varArray | varByRef)))
    return reinterpret_cast<NativeWord>(result.Pointer());
  return NativeWord(ToInt64(result));
}

}  // namespace host
