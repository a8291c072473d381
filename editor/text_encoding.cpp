#include "editor/text_encoding.h"

#include <algorithm>
#include <string>

#include "editor/unicode_text.h"
#include "platform/codepage.h"
#include "toolkit/core/exceptions.h"

namespace editor {
namespace {

using toolkit::Stream;
using toolkit::String;

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr char kUtf16LEMark[] = "\xFF\xFE";
constexpr char kUtf16BEMark[] = "\xFE\xFF";

// Reads up to count bytes and puts the position back where it was.
std::string Peek(Stream& stream, std::int64_t count) {
  std::string bytes(static_cast<std::size_t>(count), '\0');
  std::int64_t got = 0;
  while (got < count) {
    const std::int64_t read = stream.Read(bytes.data() + got, count - got);
    if (read <= 0) break;
    got += read;
  }
  stream.Seek(-got, toolkit::SeekOrigin::Current);
  bytes.resize(static_cast<std::size_t>(got));
  return bytes;
}

enum class Sequence { Valid, Invalid, Cut };

// The multi-byte sequence that starts at the lead byte at, with its length.
Sequence ReadSequence(std::string_view bytes, std::size_t at, std::size_t& length) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  std::size_t follow = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    follow = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    follow = 2;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    follow = 3;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  } else {
    return Sequence::Invalid;  // stray continuation, C0, C1, F5-FF
  }
  for (std::size_t k = 1; k <= follow; ++k) {
    if (at + k >= bytes.size()) return Sequence::Cut;
    const auto next = static_cast<unsigned char>(bytes[at + k]);
    if (next < low || next > high) return Sequence::Invalid;
    low = 0x80;
    high = 0xBF;
  }
  length = follow + 1;
  return Sequence::Valid;
}

int CodePageOf(TTextEncoding encoding) {
  switch (encoding) {
    case TTextEncoding::teUtf8: return platform::kCodePageUtf8;
    case TTextEncoding::teUtf16LE: return platform::kCodePageUtf16LE;
    case TTextEncoding::teUtf16BE: return platform::kCodePageUtf16BE;
    case TTextEncoding::teAnsi: break;
  }
  return platform::SystemCodePage();
}

[[noreturn]] void CodePageMissing(int codePage) {
  throw toolkit::ConvertError(toolkit::FormatText(kCodePageNotAvailable, codePage));
}

// Everything from the stream's position to its end, read in place; a
// stream that does not know its size is read in pieces.
std::string ReadRest(Stream& stream) {
  const std::int64_t left = std::max<std::int64_t>(stream.Size() - stream.Position(), 0);
  std::string bytes(static_cast<std::size_t>(left), '\0');
  std::size_t got = 0;
  for (;;) {
    if (got == bytes.size()) bytes.resize(got + (std::size_t{1} << 16));
    const std::int64_t read = stream.Read(bytes.data() + got, static_cast<std::int64_t>(bytes.size() - got));
    if (read <= 0) break;
    got += static_cast<std::size_t>(read);
  }
  bytes.resize(got);
  return bytes;
}

// The mark when asked, then the text in the encoding.
std::string EncodedText(toolkit::StringView text, TTextEncoding encoding, bool withBom) {
  const int codePage = CodePageOf(encoding);
  std::string body;
  if (!platform::EncodeCodePage(codePage, text, body)) CodePageMissing(codePage);
  if (!withBom) return body;
  std::string bytes(ByteOrderMark(encoding));
  bytes += body;
  return bytes;
}

}  // namespace

bool LooksLikeUtf8(Stream& stream, bool& hasBom) {
  hasBom = false;
  const std::string sample = Peek(stream, kEncodingSampleSize);
  if (sample.starts_with(kUtf8Mark)) {
    hasBom = true;
    return true;
  }
  // The whole sample is judged: one valid sequence followed by bytes that
  // cannot be UTF-8 is an 8-bit text that happens to contain such a pair.
  bool multiByte = false;
  for (std::size_t at = 0; at < sample.size();) {
    if (static_cast<unsigned char>(sample[at]) < 0x80) {
      ++at;
      continue;
    }
    std::size_t length = 0;
    switch (ReadSequence(sample, at, length)) {
      case Sequence::Invalid: return false;
      case Sequence::Cut: return multiByte;
      case Sequence::Valid: break;
    }
    multiByte = true;
    at += length;
  }
  return multiByte;
}

TTextEncoding DetectStreamEncoding(Stream& stream, bool& hasBom) {
  if (LooksLikeUtf8(stream, hasBom)) return TTextEncoding::teUtf8;
  const std::string start = Peek(stream, 2);
  if (start == kUtf16LEMark || start == kUtf16BEMark) {
    hasBom = true;
    return start == kUtf16LEMark ? TTextEncoding::teUtf16LE : TTextEncoding::teUtf16BE;
  }
  return TTextEncoding::teAnsi;
}

TTextEncoding DetectFileEncoding(const String& fileName, bool& hasBom) {
  toolkit::FileStream file(fileName, toolkit::FileMode::OpenRead);
  return DetectStreamEncoding(file, hasBom);
}

std::string_view ByteOrderMark(TTextEncoding encoding) {
  switch (encoding) {
    case TTextEncoding::teUtf8: return kUtf8Mark;
    case TTextEncoding::teUtf16LE: return kUtf16LEMark;
    case TTextEncoding::teUtf16BE: return kUtf16BEMark;
    case TTextEncoding::teAnsi: break;
  }
  return {};
}

String ReadTextFromStream(Stream& stream, TTextEncoding encoding) {
  const std::string bytes = ReadRest(stream);
  std::string_view body = bytes;
  const std::string_view mark = ByteOrderMark(encoding);
  if (!mark.empty() && body.starts_with(mark)) body.remove_prefix(mark.size());
  const int codePage = CodePageOf(encoding);
  String text;
  if (!platform::DecodeCodePage(codePage, body, text)) CodePageMissing(codePage);
  return text;
}

String ReadTextFromFile(const String& fileName, TTextEncoding& encoding, bool& hasBom) {
  toolkit::FileStream file(fileName, toolkit::FileMode::OpenRead);
  encoding = DetectStreamEncoding(file, hasBom);
  return ReadTextFromStream(file, encoding);
}

void WriteTextToStream(toolkit::StringView text, Stream& stream, TTextEncoding encoding, bool withBom) {
  const std::string bytes = EncodedText(text, encoding, withBom);
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void WriteTextToFile(toolkit::StringView text, const String& fileName, TTextEncoding encoding, bool withBom) {
  // Converted before the file is opened: a conversion that fails leaves the
  // old file as it was.
  const std::string bytes = EncodedText(text, encoding, withBom);
  toolkit::FileStream file(fileName, toolkit::FileMode::Create);
  file.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

}  // namespace editor
