// What word wrap needs of its editor: the lines, the width of the text area
// in whole characters, the word-break test and the wide-glyph expansion (the
// same one the lines were given, so that their expanded lengths agree).
#pragma once
#include "editor/text_buffer.h"

namespace editor {

class WordWrapOwner {
 public:
  virtual const TCodeEditStringList& Lines() const = 0;
  virtual int CharsInWindow() const = 0;
  virtual bool IsWordBreakChar(toolkit::Char c) const = 0;
  // The tab-expanded line with a filler in front of every wide glyph.
  virtual toolkit::String ExpandAtWideGlyphs(const toolkit::String& expanded) const = 0;

 protected:
  ~WordWrapOwner() = default;
};

}  // namespace editor
