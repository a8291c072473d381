#include "runtime/value/text_rep.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "runtime/text_limit.h"

namespace runtime {

namespace {

size_t GrownCapacity(size_t capacity, size_t length) {
  size_t grown = capacity + capacity / 2;
  if (grown > kMaxTextLength) grown = kMaxTextLength;
  return grown > length ? grown : length;
}

}  // namespace

template <class C>
TextRep<C>* TextRep<C>::Allocate(size_t length, uint16_t codePage, size_t capacity) {
  if (capacity < length) capacity = length;
  CheckTextLength(capacity);
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
TextRep<C>* TextRep<C>::Join(std::basic_string_view<C> head, std::basic_string_view<C> tail, uint16_t codePage) {
  TextRep* rep = Make(head, codePage, head.size() + tail.size());
  return Append(rep, tail);
}

template <class C>
TextRep<C>* TextRep<C>::Append(TextRep* rep, std::basic_string_view<C> tail) {
  const size_t length = size_t(rep->length) + tail.size();
  if (length > size_t(rep->capacity)) {
    CheckTextLength(length);
    const size_t capacity = GrownCapacity(size_t(rep->capacity), length);
    void* memory = std::realloc(rep, offsetof(TextRep, data) + (capacity + 1) * sizeof(C));
    if (!memory) throw std::bad_alloc();
    rep = static_cast<TextRep*>(memory);
    rep->capacity = int32_t(capacity);
  }
  if (!tail.empty()) std::memcpy(rep->data + rep->length, tail.data(), tail.size() * sizeof(C));
  rep->length = int32_t(length);
  rep->data[length] = 0;
  return rep;
}

template <class C>
void TextRep<C>::Release() {
  if (--refs == 0) std::free(this);
}

template struct TextRep<char16_t>;
template struct TextRep<char>;

}  // namespace runtime
