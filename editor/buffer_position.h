// A place in the text buffer: 1-based character and line.
#pragma once

namespace editor {

struct TCodeBufferPos {
  int Char = 1;
  int Line = 1;

  friend bool operator==(const TCodeBufferPos&, const TCodeBufferPos&) = default;
};

}  // namespace editor
