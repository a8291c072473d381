// Shared, counted text buffer held by text values. One allocation holds the
// header and the code units; a buffer with one owner may be changed in place.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace runtime {

template <class C>
struct TextRep {
  int32_t refs;
  int32_t length;
  int32_t capacity;
  uint16_t codePage;  // meaningful for 8-bit text only
  C data[1];          // length code units and a terminating zero

  static TextRep* Make(std::basic_string_view<C> text, uint16_t codePage = 0, size_t capacity = 0);
  static TextRep* Allocate(size_t length, uint16_t codePage, size_t capacity);
  // A new buffer holding head then tail, with no spare room.
  static TextRep* Join(std::basic_string_view<C> head, std::basic_string_view<C> tail, uint16_t codePage = 0);
  // Appends to a buffer of one owner, which may move: the room grows by half
  // each time, so repeated appends copy the text a bounded number of times.
  // tail must not lie in the buffer.
  static TextRep* Append(TextRep* rep, std::basic_string_view<C> tail);
  void AddRef() { ++refs; }
  void Release();
  std::basic_string_view<C> View() const { return {data, size_t(length)}; }
};

using TextRep16 = TextRep<char16_t>;
using TextRep8 = TextRep<char>;

}  // namespace runtime
