// Scans of a line for characters of a category (word movement) and for the
// end of a line in a block of text.
#pragma once
#include <cstddef>
#include <cstdint>

#include "toolkit/core/method.h"
#include "toolkit/core/text.h"

namespace editor {

// Whether a character belongs to the category the caller looks for (the
// editor's word-break test, for example).
using CharCategoryTest = toolkit::Method<bool(toolkit::Char)>;

// The first 1-based index from start on whose character passes the test; 0
// when none does or start lies outside 1..length.
std::int32_t ScanForCategory(toolkit::StringView line, std::int32_t start, CharCategoryTest test);
// The last 1-based index up to start whose character passes the test,
// scanning backwards; 0 when none does or start lies outside 1..length.
std::int32_t ScanBackForCategory(toolkit::StringView line, std::int32_t start, CharCategoryTest test);

// Offset of the first CR, LF or zero character; the text's length when there
// is none.
std::size_t LineEndOf(toolkit::StringView characters);

}  // namespace editor
