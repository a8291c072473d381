#include "sys/os_result.h"

#include "error.h"
#include "platform/errors.h"
#include "sys/os_text.h"

void CheckOSResult(std::int64_t result, TextView message) {
  if (result < 0) RaiseLastOSError(message);
}

void RaiseLastOSError(TextView message) { RaiseError(Text(message) + TextFromUtf16(platform::LastErrorText())); }
