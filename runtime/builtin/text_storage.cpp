// The bytes of a text value's own buffer and memory addresses in script
// values, and the built-ins that write into a text's storage.
#include "runtime/builtin/text_storage.h"

#include <cstring>
#include <string>

#include "runtime/error.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"
#include "runtime/value/text_access.h"
#include "runtime/builtin/builtin_args.h"
#include "runtime/builtin/builtin_families.h"

namespace runtime {

namespace {

template <class C>
std::span<unsigned char> BytesOf(TextRep<C>* rep) {
  if (!rep) return {};
  return {reinterpret_cast<unsigned char*>(rep->data), size_t(rep->length) * sizeof(C)};
}

std::span<unsigned char> MutableBytes(const Value& text) {
  if (!IsStringType(text.Type())) return {};
  return text.Type() == varString ? BytesOf(text.Text8()) : BytesOf(text.Text16());
}

}  // namespace

std::span<const unsigned char> TextBytes(const Value& text) { return MutableBytes(text); }

std::span<unsigned char> OwnTextBytes(Value& text) {
  if (text.Type() == varString) {
    if (TextRep8* rep = text.Text8(); rep && rep->refs > 1) text.AdoptText(TextRep8::Make(rep->View(), rep->codePage));
  } else if (IsStringType(text.Type())) {
    if (TextRep16* rep = text.Text16(); rep && rep->refs > 1) text.AdoptText(TextRep16::Make(rep->View()), text.Type());
  }
  return MutableBytes(text);
}

size_t TextUnitSize(const Value& text) { return text.Type() == varString ? 1 : 2; }

void SetAddress(Value& value, const void* address) {
  const auto bits = reinterpret_cast<uintptr_t>(address);
  if constexpr (sizeof(uintptr_t) == sizeof(int32_t))
    value.SetInt(int32_t(bits));
  else
    value.SetInt64(int64_t(bits));
}

// In the 32-bit build an address may come back signed, as toNum gives it.
uintptr_t AddressFromValue(const Value& value) {
  const int64_t number = ToInt64(value);
  if constexpr (sizeof(uintptr_t) == sizeof(int32_t)) {
    if (number < INT32_MIN || number > int64_t(UINT32_MAX)) RaiseError(QT("Not an address"));
    return uintptr_t(uint32_t(number));
  }
  return uintptr_t(number);
}

// Built-ins that write into a text's own buffer: "fromByte" and the memory
// form of "move". They touch only the bytes of the receiver's text, and only
// after giving it a buffer of its own, so no other value sharing the text
// changes.
namespace {

// The value the receiver designates. A literal is never written: the next
// run of the statement would see the change.
Value& WritableReceiverText(CNode* receiver, TextView builtin) {
  CValue* node = receiver->AsValue();
  if (node->Id() == ClassId::kValue) RaiseError(Text(builtin) + QT(": a constant text cannot be changed"));
  Value& text = node->WritableRef();
  if (!IsStringType(text.Type()))
    RaiseError(Text(builtin) + QT(" needs a text, not ") + TextFromAscii(TypeName(text.Type())));
  return text;
}

// Bytes to copy: "len" code units of the text's own width, 0 meaning all.
size_t MoveCount(CValueList* args, const Value& text) {
  const int32_t len = CValueList::GetInt(args, QT("len"), 0, 1);
  if (len < 0) RaiseError(QT("move: len ") + DecimalText(len) + QT(" is negative"));
  const uint64_t units = len ? uint64_t(len) : TextLength(text);
  const uint64_t count = units * TextUnitSize(text);
  if (count > TextBytes(text).size())
    RaiseError(QT("move: len ") + DecimalText(len) + QT(" runs past the end of the text"));
  return size_t(count);
}

// The destination's offset in the text; the whole copy must land inside it.
size_t DestinationOffset(CValueList* args, const Value& text, size_t count) {
  const uintptr_t dest = AddressFromValue(CValueList::GetArg(args, QT("dest"), 0)->ValueRef());
  const std::span<const unsigned char> bytes = TextBytes(text);
  const auto begin = reinterpret_cast<uintptr_t>(bytes.data());
  if (dest < begin || dest - begin > bytes.size() - count) RaiseError(QT("move: dest lies outside the text"));
  return size_t(dest - begin);
}

void DoFromByte(CContext&, CNode* receiver, CValueList* args, Value&) {
  const int32_t pos = CValueList::GetInt(args, QT("pos"), 0, 0);
  const int32_t byte = CValueList::GetInt(args, QT("byte"), 0, 1);
  Value& text = WritableReceiverText(receiver, QT("fromByte"));
  const size_t size = TextBytes(text).size();
  if (pos < 0 || size_t(pos) >= size)
    RaiseError(QT("fromByte: position ") + DecimalText(pos) + QT(" is outside the text's ") +
               DecimalText(int64_t(size)) + QT(" bytes"));
  OwnTextBytes(text)[size_t(pos)] = static_cast<unsigned char>(byte);
}

}  // namespace

// Copies from the start of the receiver's text to an address inside it; a
// receiver holding an address is refused, as is any address outside the text.
void MoveInText(CNode* receiver, CValueList* args) {
  if (!IsStringType(ReceiverValue(receiver).Type())) RaiseError(QT("move: only a text's own bytes can be copied"));
  Value& text = WritableReceiverText(receiver, QT("move"));
  const size_t count = MoveCount(args, text);
  const size_t offset = DestinationOffset(args, text, count);
  if (count == 0) return;
  const std::span<unsigned char> bytes = OwnTextBytes(text);
  std::memmove(bytes.data() + offset, bytes.data(), count);
}

void AddStorageBuiltins(CLibrary& library) { library.AddHandler(QT("fromByte"), &DoFromByte); }

}  // namespace runtime
