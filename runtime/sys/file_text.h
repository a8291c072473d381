// Whole text files by code page, with byte-order marks.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "runtime/text.h"
#include "runtime/text_limit.h"

namespace runtime {

// Whole text files: reading with byte-order-mark detection or as a digest,
// writing with marks or appending. See file_encoding.h for code pages.
inline constexpr int kNoDigest = -1;

// The most bytes any file may have.
inline constexpr std::size_t kMaxFileBytes = 0x7FFFFFFF;
// The most bytes of a file read to become a text (a script, a module, "load"):
// no encoding takes more than 3 bytes per code unit, so a longer file would
// make a text past the limit. Reading a device or an endless stream stops here.
inline constexpr std::size_t kMaxTextFileBytes = 3 * kMaxTextLength;

// Every byte of the file, also of one whose size the system cannot tell; a
// file of more than limit bytes is "too large to read". A failure names the
// file: Open "..." failed: ... or Read "..." failed: ...
std::string ReadFileBytes(TextView fileName, std::size_t limit = kMaxFileBytes);
// digestMode 0 or above gives the MD5 (0) or SHA-1 (above 0) hex digest of the
// file's bytes instead of its text.
Text ReadFileText(TextView fileName, int codePage, int digestMode = kNoDigest);
// Folders are created as needed; appending writes no mark. Devices and pipes
// are written as they are, never cut. A failure names the file: Save "..."
// failed: ...
void WriteFileText(TextView fileName, TextView text, bool append, int codePage);

// The code page the last text-mode ReadFileText used (read by "load").
int LastFileCodePage();

// File bytes to text and back by code page. Code pages are 16-bit numbers:
// -1 and 0xFFFF are the same (one character per byte). The 8-bit build keeps
// the bytes as they are and ignores code pages and marks.
inline constexpr int kCodePageBytes = 0xFFFF;
inline constexpr int kCodePageUtf8NoMark = 10056;

// Code page 0 looks for a byte-order mark, skips it and sets codePage to the
// one it selects; codePage ends as the one used.
Text TextFromFileBytes(std::string bytes, int& codePage);
// The bytes of text in codePage, led by its byte-order mark when withMark.
std::string FileBytesFromText(TextView text, int codePage, bool withMark);

// The low 8 bits of each code unit.
std::string WideToBytes(std::u16string_view text);

// Back to 0, as at start-up; part of the reset between runs.
void ResetLastFileCodePage();

}  // namespace runtime
