// Double-byte code pages (932, 936, 949, 950, 1361): a lead byte and the byte
// after it make one character. Code page 0 is the system code page.
#pragma once

namespace platform {

bool IsDoubleByteCodePage(int codePage);
// False for every byte of a code page that is not double-byte.
bool IsLeadByte(int codePage, unsigned char byte);

}  // namespace platform
