#include "editor/character_scans.h"

namespace editor {
namespace {

bool InLine(toolkit::StringView line, std::int32_t index) {
  return index >= 1 && static_cast<std::size_t>(index) <= line.size();
}

}  // namespace

std::int32_t ScanForCategory(toolkit::StringView line, std::int32_t start, CharCategoryTest test) {
  if (!InLine(line, start)) return 0;
  for (std::size_t i = static_cast<std::size_t>(start) - 1; i < line.size(); ++i)
    if (test(line[i])) return static_cast<std::int32_t>(i + 1);
  return 0;
}

std::int32_t ScanBackForCategory(toolkit::StringView line, std::int32_t start, CharCategoryTest test) {
  if (!InLine(line, start)) return 0;
  for (std::int32_t index = start; index >= 1; --index)
    if (test(line[static_cast<std::size_t>(index) - 1])) return index;
  return 0;
}

std::size_t LineEndOf(toolkit::StringView characters) {
  const std::size_t at = characters.find_first_of(toolkit::StringView(u"\r\n\0", 3));
  return at == toolkit::StringView::npos ? characters.size() : at;
}

}  // namespace editor
