#include "text_storage.h"

#include "../value/predicates.h"

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
