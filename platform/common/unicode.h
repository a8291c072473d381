// UTF-8 and UTF-16 byte forms, the same on every build.
#pragma once
#include <string>
#include <string_view>

namespace platform::detail {

// Replace: an invalid sequence becomes U+FFFD. Escape: each of its bytes
// becomes U+DC80..U+DCFF and turns back into that byte, so file names that
// are not UTF-8 survive a round trip.
enum class BadBytes { Replace, Escape };

std::u16string Utf8ToUtf16(std::string_view bytes, BadBytes mode);
std::string Utf16ToUtf8(std::u16string_view text, BadBytes mode);

// A final odd byte becomes U+FFFD.
std::u16string Utf16FromBytes(std::string_view bytes, bool bigEndian);
std::string Utf16ToBytes(std::u16string_view text, bool bigEndian);

}  // namespace platform::detail
