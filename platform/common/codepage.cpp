#include "platform/codepage.h"

#include "platform/common/os.h"
#include "platform/common/unicode.h"

// UTF-8 and UTF-16 are converted here so both builds treat bad input alike.
namespace platform {

bool DecodeCodePage(int codePage, std::string_view bytes, std::u16string& text) {
  if (codePage == 0) codePage = SystemCodePage();
  switch (codePage) {
    case kCodePageUtf8: text = detail::Utf8ToUtf16(bytes, detail::BadBytes::Replace); return true;
    case kCodePageUtf16LE: text = detail::Utf16FromBytes(bytes, false); return true;
    case kCodePageUtf16BE: text = detail::Utf16FromBytes(bytes, true); return true;
    default: return detail::OsDecode(codePage, bytes, text);
  }
}

bool EncodeCodePage(int codePage, std::u16string_view text, std::string& bytes) {
  if (codePage == 0) codePage = SystemCodePage();
  switch (codePage) {
    case kCodePageUtf8: bytes = detail::Utf16ToUtf8(text, detail::BadBytes::Replace); return true;
    case kCodePageUtf16LE: bytes = detail::Utf16ToBytes(text, false); return true;
    case kCodePageUtf16BE: bytes = detail::Utf16ToBytes(text, true); return true;
    default: return detail::OsEncode(codePage, text, bytes);
  }
}

}  // namespace platform
