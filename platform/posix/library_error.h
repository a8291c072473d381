// dlerror() texts reported through the errno-based error model.
#pragma once

namespace platform::detail {

// Outside the errno range; ErrorText gives the thread's last dlerror() text.
inline constexpr int kLibraryError = 0x10000;

// Keeps text and makes kLibraryError the last error.
void SetLibraryError(const char* text);
const char* LibraryErrorText();

}  // namespace platform::detail
