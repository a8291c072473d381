#include "host/native_text.h"

#include <cstring>
#include <string>

#include "runtime/sys/sys_util.h"
#include "runtime/value/text_access.h"

using namespace runtime;

namespace host {

Text AnsiTextAt(NativeWord address) {
  if (!address) return {};
  return TextFromUtf16(DecodeAnsi(reinterpret_cast<const char*>(address), 0));
}

Text WideTextAt(NativeWord address) {
  if (!address) return {};
  return TextFromUtf16(reinterpret_cast<const char16_t*>(address));
}

Text NarrowedSystemStringAt(NativeWord address) {
  if (!address) return {};
  uint32_t bytes;
  std::memcpy(&bytes, reinterpret_cast<const char*>(address) - sizeof bytes, sizeof bytes);
  const auto* units = reinterpret_cast<const char16_t*>(address);
  std::string narrowed(bytes / 2, '\0');
  for (size_t i = 0; i < narrowed.size(); ++i) narrowed[i] = char(units[i] & 0xFF);
  return TextFromUtf16(DecodeAnsi(narrowed, 0));
}

}  // namespace host
