#include "sys/os_text.h"

#include "platform/codepage.h"

// Unmapped characters become "?" or U+FFFD; only an unknown system code page
// (a bad QEL_CODEPAGE) fails, and then UTF-8 stands in for it.
namespace {

std::string EncodeSystem(std::u16string_view text) {
  std::string bytes;
  if (!platform::EncodeCodePage(0, text, bytes)) platform::EncodeCodePage(platform::kCodePageUtf8, text, bytes);
  return bytes;
}

}  // namespace

#ifdef QEL_ANSI

std::u16string Utf16FromText(TextView text) {
  std::u16string wide;
  if (!platform::DecodeCodePage(0, text, wide)) platform::DecodeCodePage(platform::kCodePageUtf8, text, wide);
  return wide;
}

Text TextFromUtf16(std::u16string_view text) { return EncodeSystem(text); }
std::string SystemBytesFromText(TextView text) { return std::string(text); }

#else

std::u16string Utf16FromText(TextView text) { return std::u16string(text); }
Text TextFromUtf16(std::u16string_view text) { return Text(text); }
std::string SystemBytesFromText(TextView text) { return EncodeSystem(text); }

#endif
