// How deep JSON containers may nest, when read and when written: deeper input
// is a script error instead of a stack overflow.
#pragma once
#include <cstdint>

inline constexpr int32_t kJsonDepthLimit = 500;

[[noreturn]] void RaiseJsonTooDeep();
