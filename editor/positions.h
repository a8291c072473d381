// Buffer and display positions and the small integer helpers the editor's
// units share.
#pragma once
#include <algorithm>
#include <cstdint>
#include <utility>

namespace editor {

// A place in the text: 1-based character and line.
struct BufferPos {
  std::int32_t Char = 0;
  std::int32_t Line = 0;
  friend bool operator==(const BufferPos&, const BufferPos&) = default;
};

// A place on screen: 1-based column and row.
struct DisplayPos {
  std::int32_t Column = 0;
  std::int32_t Row = 0;
  friend bool operator==(const DisplayPos&, const DisplayPos&) = default;
};

inline BufferPos MakeBufferPos(std::int32_t character, std::int32_t line) { return {character, line}; }
inline DisplayPos MakeDisplayPos(std::int32_t column, std::int32_t row) { return {column, row}; }

inline std::int32_t ClampInt(std::int32_t x, std::int32_t low, std::int32_t high) {
  return std::max(low, std::min(x, high));
}

inline void SwapInts(std::int32_t& a, std::int32_t& b) { std::swap(a, b); }

// The earlier of two positions; a tie gives the first.
inline BufferPos MinPos(const BufferPos& p1, const BufferPos& p2) {
  if (p2.Line < p1.Line || (p2.Line == p1.Line && p2.Char < p1.Char)) return p2;
  return p1;
}

}  // namespace editor
