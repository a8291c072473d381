#include "runtime/sys/file_text.h"

#include <algorithm>
#include <cstdint>

#include "runtime/error.h"
#include "platform/codepage.h"
#include "platform/errors.h"
#include "runtime/sys/digest.h"
#include "runtime/sys/file_io.h"
#include "runtime/sys/sys_util.h"

namespace runtime {

namespace {

int lastFileCodePage = 0;

[[noreturn]] void RaiseLastError() { RaiseError(TextFromUtf16(platform::LastErrorText())); }

// A disk file is read at its size in one request, then on to its end, as
// it may have grown (or, in /proc, have told no size at all).
std::string ReadWholeFile(platform::FileHandle file, std::size_t limit) {
  FileChannel channel(file);
  if (!platform::IsDiskFile(file)) return ReadToEnd(channel, limit);
  const std::int64_t size = std::max<std::int64_t>(platform::Seek(file, 0, platform::SeekFrom::End), 0);
  if (static_cast<std::uint64_t>(size) > limit) RaiseError(QT("The file is too large to read"));
  std::string bytes = ReadRange(channel, 0, static_cast<std::size_t>(size));
  if (bytes.size() == static_cast<std::size_t>(size)) bytes += ReadToEnd(channel, limit - bytes.size());
  return bytes;
}

Text SeparatorsAsBackslashes(TextView fileName) {
  Text name(fileName);
  std::replace(name.begin(), name.end(), Char('/'), Char('\\'));
  return name;
}

// Appending starts at the end; otherwise the file is emptied first. Devices
// and pipes take the bytes where they are: they have neither end nor size.
void WriteWholeText(platform::FileHandle file, std::string_view bytes, bool append) {
  FileChannel channel(file);
  if (!platform::IsDiskFile(file)) return WriteHere(channel, bytes);
  std::int64_t start = 0;
  if (append) {
    start = platform::Seek(file, 0, platform::SeekFrom::End);
    if (start < 0) RaiseLastError();
  } else if (platform::Seek(file, 0, platform::SeekFrom::Begin) != 0 || !platform::Truncate(file)) {
    RaiseLastError();
  }
  WriteRange(channel, start, bytes);
}

}  // namespace

std::string ReadFileBytes(TextView fileName, std::size_t limit) {
  FileGuard file(OpenFileChecked(fileName, false));
  try {
    return ReadWholeFile(file.Get(), std::min(limit, kMaxFileBytes));
  } catch (const EScriptError& error) {
    RaiseFileFailure(QT("Read"), fileName, error.Message());
  }
}

Text ReadFileText(TextView fileName, int codePage, int digestMode) {
  std::string bytes = ReadFileBytes(fileName, digestMode >= 0 ? kMaxFileBytes : kMaxTextFileBytes);
  if (digestMode >= 0) return digestMode == 0 ? HashMD5Hex(bytes) : HashSHA1Hex(bytes);
  Text text = TextFromFileBytes(std::move(bytes), codePage);
  lastFileCodePage = codePage;
  return text;
}

void WriteFileText(TextView fileName, TextView text, bool append, int codePage) {
  const std::string bytes = FileBytesFromText(text, codePage, !append);
  const Text name = SeparatorsAsBackslashes(fileName);
  FileGuard file(OpenFileChecked(name, true));
  try {
    WriteWholeText(file.Get(), bytes, append);
    if (!file.Close()) RaiseLastError();
  } catch (const EScriptError& error) {
    RaiseFileFailure(QT("Save"), name, error.Message());
  }
}

int LastFileCodePage() { return lastFileCodePage; }
void ResetLastFileCodePage() { lastFileCodePage = 0; }

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

}  // namespace runtime
