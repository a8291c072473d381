// The trimmed, ASCII-only content of a text, for the parsers of numbers,
// dates and boolean words.
#pragma once
#include <string>
#include <string_view>

inline bool IsTextSpace(unsigned c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Copies the text without surrounding spaces, tabs and line ends into out;
// false as soon as a character outside allowed is met.
template <class C>
bool TextToken(std::basic_string_view<C> text, std::string_view allowed, std::string& out) {
  using U = std::make_unsigned_t<C>;
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsTextSpace(U(text[begin]))) ++begin;
  while (end > begin && IsTextSpace(U(text[end - 1]))) --end;
  out.clear();
  for (size_t i = begin; i < end; ++i) {
    unsigned c = U(text[i]);
    if (c >= 0x80 || allowed.find(char(c)) == std::string_view::npos) return false;
    out += char(c);
  }
  return true;
}
