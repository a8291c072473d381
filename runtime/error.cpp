#include "error.h"

#include "utf.h"

namespace {
#ifdef QEL_ANSI
std::string ToUtf8(const Text& text) { return text; }
#else
std::string ToUtf8(const Text& text) { return Utf16ToUtf8(text); }
#endif
}  // namespace

EScriptError::EScriptError(Text message) : message_(std::move(message)), utf8_(ToUtf8(message_)) {}

void RaiseError(Text message) { throw EScriptError(std::move(message)); }
