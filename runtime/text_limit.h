// The one limit on the length of a text: every text a value holds, and every
// text a routine builds for a script (joins, repetitions, formatting,
// replacing), stays within it. Builders check the length they are about to
// reach, so a text too long fails before its memory is taken.
#pragma once
#include <cstddef>
#include <cstdint>

namespace runtime {

// Code units; a text of this length fits in memory in the 32-bit build too.
inline constexpr std::size_t kMaxTextLength = std::size_t(1) << 27;

// Raises "Text too long" for a length past the limit.
void CheckTextLength(std::uint64_t length);

}  // namespace runtime
