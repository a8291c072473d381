// Text on the clipboard in its Unicode and 8-bit forms, and the editor's own
// format for blocks.
#pragma once
#include "toolkit/core/clipboard_format.h"
#include "toolkit/core/text.h"

namespace editor {

// Whether the clipboard offers Unicode or 8-bit text.
bool ClipboardHasText();
// Unicode text as it is; else 8-bit text in the code page of the locale that
// came with it; else empty.
toolkit::String ReadClipboardText();
// Replaces the clipboard's content with the text; an empty text changes
// nothing.
void WriteClipboardText(toolkit::StringView text);

// The format "CodeEdit Control Block Type" of the editor's block copy and
// paste. Registering a name again gives the same number, so it is asked for
// where it is used rather than kept from start-up.
toolkit::ClipboardFormat BlockClipboardFormat();

}  // namespace editor
