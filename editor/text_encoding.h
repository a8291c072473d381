// Text encodings of files: guessing a file's encoding, reading its text and
// writing text in a chosen encoding, with or without a byte-order mark.
#pragma once
#include <cstdint>

#include "toolkit/core/stream.h"
#include "toolkit/core/text.h"

namespace editor {

// The values are stored by the IDE with each document.
enum class TTextEncoding : std::uint8_t {
  teUtf8 = 0,
  teUtf16LE = 1,
  teUtf16BE = 2,
  teAnsi = 3,  // the system's 8-bit code page
};

// At most this many bytes are read to guess an encoding.
inline constexpr std::int64_t kEncodingSampleSize = 16384;

// Whether the stream's rest (a sample of at most kEncodingSampleSize bytes)
// reads as UTF-8: a UTF-8 mark, or at least one multi-byte sequence and no
// invalid one. A sequence cut off by the sample's end counts for nothing. The
// stream's position is unchanged.
bool LooksLikeUtf8(toolkit::Stream& stream, bool& hasBom);
// UTF-8 as above, else UTF-16 by its mark, else teAnsi; position unchanged.
TTextEncoding DetectStreamEncoding(toolkit::Stream& stream, bool& hasBom);
// Stream errors (missing file, access denied) pass to the caller.
TTextEncoding DetectFileEncoding(const toolkit::String& fileName, bool& hasBom);

// The byte-order mark of an encoding; empty for teAnsi.
std::string_view ByteOrderMark(TTextEncoding encoding);

// The rest of the stream as text in the encoding; a mark of that encoding at
// the start is skipped. Bytes that are not valid in the encoding become
// U+FFFD; 8-bit text goes through the system code page.
toolkit::String ReadTextFromStream(toolkit::Stream& stream, TTextEncoding encoding);
// Detects the file's encoding and reads its text in it.
toolkit::String ReadTextFromFile(const toolkit::String& fileName, TTextEncoding& encoding, bool& hasBom);

// The mark first when asked (none for teAnsi), then the text; no terminator.
// In teAnsi, characters the code page lacks become its default character.
void WriteTextToStream(toolkit::StringView text, toolkit::Stream& stream, TTextEncoding encoding, bool withBom);
// Creates or truncates the file and writes the text into it.
void WriteTextToFile(toolkit::StringView text, const toolkit::String& fileName, TTextEncoding encoding,
                     bool withBom);

}  // namespace editor
