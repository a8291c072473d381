// Whole text files: reading with byte-order-mark detection or as a digest,
// writing with marks or appending. See file_encoding.h for code pages.
#pragma once
#include <string>

#include "text.h"

inline constexpr int kNoDigest = -1;

// Every byte of the file, also of one whose size the system cannot tell. A
// failure names the file: Open "..." failed: ... or Read "..." failed: ...
std::string ReadFileBytes(TextView fileName);
// digestMode 0 or above gives the MD5 (0) or SHA-1 (above 0) hex digest of the
// file's bytes instead of its text.
Text ReadFileText(TextView fileName, int codePage, int digestMode = kNoDigest);
// Folders are created as needed; appending writes no mark. Devices and pipes
// are written as they are, never cut. A failure names the file: Save "..."
// failed: ...
void WriteFileText(TextView fileName, TextView text, bool append, int codePage);

// The code page the last text-mode ReadFileText used (read by "load").
int LastFileCodePage();
// Back to 0, as at start-up; part of the reset between runs.
void ResetLastFileCodePage();
