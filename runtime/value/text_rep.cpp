#include "text_rep.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "../error.h"

namespace {
constexpr size_t kMaxTextLength = 0x3FFFFFF0;
}

template <class C>
TextRep<C>* TextRep<C>::Allocate(size_t length, uint16_t codePage, size_t capacity) {
  if (capacity < length) capacity = length;
  if (capacity > kMaxTextLength) RaiseError(QT("Text too long"));
  void* memory = std::malloc(offsetof(TextRep, data) + (capacity + 1) * sizeof(C));
  if (!memory) throw std::bad_alloc();
  auto* rep = static_cast<TextRep*>(memory);
  rep->refs = 1;
  rep->length = int32_t(length);
  rep->capacity = int32_t(capacity);
  rep->codePage = codePage;
  rep->data[length] = 0;
  return rep;
}

template <class C>
TextRep<C>* TextRep<C>::Make(std::basic_string_view<C> text, uint16_t codePage, size_t capacity) {
  TextRep* rep = Allocate(text.size(), codePage, capacity);
  if (!text.empty()) std::memcpy(rep->data, text.data(), text.size() * sizeof(C));
  return rep;
}

template <class C>
void TextRep<C>::Release() {
  if (--refs == 0) std::free(this);
}

template struct TextRep<char16_t>;
template struct TextRep<char>;
