// Counts the test program's operator new calls, for the tests of code that
// must not allocate.
#pragma once
#include <cstdint>

int64_t AllocationCount();
