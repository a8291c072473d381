// Loading a file into the line buffer: its encoding is detected, its bytes
// are read once, and UTF-8 is decoded straight into the lines, so a load
// writes each character once.
#pragma once
#include "editor/text_buffer.h"
#include "editor/text_encoding.h"
#include "toolkit/core/stream.h"

namespace editor {

// The stream's rest replaces the lines; encoding and hasBom tell what was
// found (as DetectStreamEncoding). Stream errors pass to the caller with the
// lines unchanged.
void LoadTextFromStream(TCodeEditStringList& lines, toolkit::Stream& stream, TTextEncoding& encoding, bool& hasBom);
void LoadTextFromFile(TCodeEditStringList& lines, const toolkit::String& fileName, TTextEncoding& encoding,
                      bool& hasBom);

}  // namespace editor
