// Failed OS calls as script errors carrying the system's text.
#pragma once
#include <cstdint>

#include "text.h"

// Raises message followed by the text of the last OS error when result < 0.
void CheckOSResult(std::int64_t result, TextView message);
[[noreturn]] void RaiseLastOSError(TextView message);
