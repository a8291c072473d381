#include "sys/file_encoding.h"

#include "error.h"
#include "platform/codepage.h"

std::string WideToBytes(std::u16string_view text) {
  std::string bytes(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) bytes[i] = static_cast<char>(text[i] & 0xFF);
  return bytes;
}

#ifdef QEL_ANSI

Text TextFromFileBytes(std::string bytes, int&) { return bytes; }

std::string FileBytesFromText(TextView text, int, bool) { return std::string(text); }

#else

namespace {

struct ByteOrderMark {
  std::string_view bytes;
  int codePage;
};

constexpr ByteOrderMark kMarks[] = {
    {"\xEF\xBB\xBF", platform::kCodePageUtf8},
    {"\xFE\xFF", platform::kCodePageUtf16BE},
    {"\xFF\xFE", platform::kCodePageUtf16LE},
};

// A file shorter than a mark cannot hold it; any longer one is examined.
const ByteOrderMark* FindMark(std::string_view bytes) {
  for (const ByteOrderMark& mark : kMarks) {
    if (bytes.starts_with(mark.bytes)) return &mark;
  }
  return nullptr;
}

std::string_view MarkOf(int codePage) {
  for (const ByteOrderMark& mark : kMarks) {
    if (mark.codePage == codePage) return mark.bytes;
  }
  return {};
}

// Code page 0 fails only when the system's own one is unknown: name that one.
[[noreturn]] void RaiseUnknownCodePage(int codePage) {
  const std::string number = std::to_string(codePage == 0 ? platform::SystemCodePage() : codePage);
  RaiseError(QT("Unknown code page ") + Text(number.begin(), number.end()));
}

std::u16string OneCharPerByte(std::string_view bytes) {
  std::u16string text(bytes.size(), u'\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) text[i] = static_cast<unsigned char>(bytes[i]);
  return text;
}

std::u16string Decode(std::string_view bytes, int codePage) {
  if (codePage == kCodePageBytes) return OneCharPerByte(bytes);
  // UTF-16 drops a final odd byte rather than inventing a character for it.
  if (codePage == platform::kCodePageUtf16LE || codePage == platform::kCodePageUtf16BE) {
    bytes.remove_suffix(bytes.size() % 2);
  }
  std::u16string text;
  if (!platform::DecodeCodePage(codePage, bytes, text)) RaiseUnknownCodePage(codePage);
  return text;
}

std::string Encode(std::u16string_view text, int codePage) {
  if (codePage == kCodePageBytes) return WideToBytes(text);
  if (codePage == kCodePageUtf8NoMark) codePage = platform::kCodePageUtf8;
  std::string bytes;
  if (!platform::EncodeCodePage(codePage, text, bytes)) RaiseUnknownCodePage(codePage);
  return bytes;
}

}  // namespace

Text TextFromFileBytes(std::string bytes, int& codePage) {
  codePage &= 0xFFFF;
  std::string_view body = bytes;
  if (codePage == 0) {
    if (const ByteOrderMark* mark = FindMark(body)) {
      codePage = mark->codePage;
      body.remove_prefix(mark->bytes.size());
    }
  }
  return Decode(body, codePage);
}

std::string FileBytesFromText(TextView text, int codePage, bool withMark) {
  codePage &= 0xFFFF;
  std::string bytes(withMark ? MarkOf(codePage) : std::string_view());
  bytes += Encode(text, codePage);
  return bytes;
}

#endif
