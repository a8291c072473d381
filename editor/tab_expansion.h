// Tab expansion of a line and the column arithmetic that goes with it. An
// expanded line keeps one TAB character per column a tab covers, so its
// length counts screen columns.
#pragma once
#include <cstdint>

#include "toolkit/core/text.h"

namespace editor {

using toolkit::String;
using toolkit::StringView;

// An expanded line holds this filler beside each character wider than one
// cell, so that its length counts screen columns.
inline constexpr toolkit::Char kWideGlyphFiller = u'\xE000';

// (line, tab width) -> expanded line; hasTabs tells whether the line held a TAB.
using ExpandTabsRoutine = String (*)(StringView line, std::int32_t tabWidth, bool& hasTabs);

// Whether a TAB occurs; count is the number of characters before the first
// one (all of them when there is none).
bool FindFirstTab(StringView characters, std::int32_t& count);

// Tab width below 2: each TAB becomes one space.
String ExpandTabsSingle(StringView line, std::int32_t tabWidth, bool& hasTabs);
// A power-of-two tab width.
String ExpandTabsPow2(StringView line, std::int32_t tabWidth, bool& hasTabs);
// Any tab width from 2 up.
String ExpandTabsAny(StringView line, std::int32_t tabWidth, bool& hasTabs);

// True for 2, 4, 8, .. 65536.
bool IsPow2(std::int32_t n);
ExpandTabsRoutine BestExpandTabsRoutine(std::int32_t tabWidth);

// Columns the line takes once expanded.
std::int32_t ColumnsOfLine(StringView line, std::int32_t tabWidth);
// 1-based screen column of a 1-based character index; characters past the
// line's end count one column each.
std::int32_t CharIndexToColumn(std::int32_t index, std::int32_t tabWidth, StringView line);

}  // namespace editor
