// The last OS error of the calling thread and its text (errno or GetLastError).
#pragma once
#include <string>

namespace platform {

int LastError();
void SetLastError(int code);
// The system's text for a code, without trailing line breaks or period.
std::u16string ErrorText(int code);
std::u16string LastErrorText();

}  // namespace platform
