#include "runtime/error.h"

#include <new>
#include <stdexcept>

#include "platform/codepage.h"

namespace runtime {

namespace {
#ifdef QEL_ANSI
std::string ToUtf8(const Text& text) { return text; }
#else
std::string ToUtf8(const Text& text) {
  std::string bytes;
  platform::EncodeCodePage(platform::kCodePageUtf8, text, bytes);
  return bytes;
}
#endif
}  // namespace

EScriptError::EScriptError(Text message) : message_(std::move(message)), utf8_(ToUtf8(message_)) {}

void RaiseError(Text message) { throw EScriptError(std::move(message)); }

Text OutOfMemoryMessage() { return QT("Out of memory"); }

bool IsOutOfMemory(const std::exception& error) {
  return dynamic_cast<const std::bad_alloc*>(&error) || dynamic_cast<const std::length_error*>(&error);
}

}  // namespace runtime
