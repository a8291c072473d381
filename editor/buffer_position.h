// Positions in the editor: a buffer position (character, line) and a display
// position (column, row), all 1-based.
#pragma once
#include <cstdint>

namespace editor {

struct BufferPosition {
  std::int32_t character = 0;
  std::int32_t line = 0;
  friend bool operator==(BufferPosition a, BufferPosition b) { return a.character == b.character && a.line == b.line; }
};

struct DisplayPosition {
  std::int32_t column = 0;
  std::int32_t row = 0;
  friend bool operator==(DisplayPosition a, DisplayPosition b) { return a.column == b.column && a.row == b.row; }
};

}  // namespace editor
