#include "editor/word_wrap.h"

#include <algorithm>

#include "toolkit/core/exceptions.h"

namespace editor {

using toolkit::String;

namespace {
// Row lengths are 16-bit: a wider text area wraps at the widest row they hold.
constexpr int kWidestRow = 65535;
}  // namespace

TCodeWordWrapPlugin::TCodeWordWrapPlugin(WordWrapOwner* owner) : owner_(owner) {
  if (!owner) throw toolkit::Exception(u"Owner of TCodeWordWrapPlugin must be a TCustomCodeEdit");
  RewrapAll();
}

int TCodeWordWrapPlugin::Release() {
  const int left = --references_;
  if (left <= 0) delete this;
  return left;
}

int TCodeWordWrapPlugin::WantedRowLength() const { return std::clamp(owner_->CharsInWindow(), 0, kWidestRow); }

void TCodeWordWrapPlugin::WrapLine(int index, std::vector<std::uint16_t>& rows) const {
  // The buffer keeps each line's width in columns: a line that fits is one
  // row, found without building its text (a resize rewraps every line).
  const TCodeEditStringList& lines = owner_->Lines();
  const int columns = lines.ExpandedLineLength(index);
  if (columns <= maxRowLength_) {
    rows.push_back(static_cast<std::uint16_t>(columns));
    return;
  }
  const String line = owner_->ExpandAtWideGlyphs(lines.ExpandedLine(index));
  const std::size_t size = line.size();
  const std::size_t longest = static_cast<std::size_t>(maxRowLength_);
  const std::size_t shortest = static_cast<std::size_t>(minRowLength_);
  std::size_t start = 0;
  while (start + longest < size) {
    std::size_t end = start + longest;
    // The row ends before the last break character it may end at, so that
    // the break begins the next row; without one it ends hard.
    if (longest > shortest) {
      for (std::size_t at = end; at > start + shortest; --at) {
        if (owner_->IsWordBreakChar(line[at])) {
          end = at;
          break;
        }
      }
    }
    // A wide glyph's fillers stay on the row of the glyph they stand before.
    while (end > start + 1 && line[end - 1] == kWideGlyphFiller) --end;
    rows.push_back(static_cast<std::uint16_t>(end - start));
    start = end;
  }
  rows.push_back(static_cast<std::uint16_t>(size - start));
}

int TCodeWordWrapPlugin::ReplaceLines(int index, int oldCount, int newCount) {
  const int firstRow = FirstRowOf(index);
  const int endRow = FirstRowOf(index + oldCount);
  std::vector<std::uint16_t> rows;
  std::vector<std::int32_t> offsets;
  offsets.reserve(static_cast<std::size_t>(newCount));
  for (int i = 0; i < newCount; ++i) {
    WrapLine(index + i, rows);
    offsets.push_back(firstRow + static_cast<std::int32_t>(rows.size()));
  }
  const int change = static_cast<int>(rows.size()) - (endRow - firstRow);

  const auto rowAt = rowLengths_.begin() + firstRow;
  const std::size_t common = std::min(rows.size(), static_cast<std::size_t>(endRow - firstRow));
  std::copy(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(common), rowAt);
  if (change > 0) {
    rowLengths_.insert(rowAt + static_cast<std::ptrdiff_t>(common), rows.begin() + static_cast<std::ptrdiff_t>(common), rows.end());
  } else if (change < 0) {
    rowLengths_.erase(rowAt + static_cast<std::ptrdiff_t>(common), rowLengths_.begin() + endRow);
  }

  const auto lineAt = lineOffsets_.begin() + index;
  const int keptLines = std::min(oldCount, newCount);
  std::copy(offsets.begin(), offsets.begin() + keptLines, lineAt);
  if (newCount > oldCount) {
    lineOffsets_.insert(lineAt + keptLines, offsets.begin() + keptLines, offsets.end());
  } else if (newCount < oldCount) {
    lineOffsets_.erase(lineAt + keptLines, lineAt + oldCount);
  }
  wrappedLineCount_ += newCount - oldCount;
  if (change != 0)
    for (auto later = lineOffsets_.begin() + index + newCount; later != lineOffsets_.end(); ++later) *later += change;
  return change;
}

void TCodeWordWrapPlugin::RewrapAll() {
  maxRowLength_ = WantedRowLength();
  minRowLength_ = std::max(1, maxRowLength_ - maxRowLength_ / 3);
  lineOffsets_.clear();
  rowLengths_.clear();
  wrappedLineCount_ = 0;
  const int lines = owner_->Lines().Count();
  if (lines == 0 || maxRowLength_ == 0) {
    lineOffsets_.shrink_to_fit();
    rowLengths_.shrink_to_fit();
    return;
  }
  lineOffsets_.reserve(static_cast<std::size_t>(lines));
  rowLengths_.reserve(static_cast<std::size_t>(lines));
  for (int i = 0; i < lines; ++i) {
    WrapLine(i, rowLengths_);
    lineOffsets_.push_back(static_cast<std::int32_t>(rowLengths_.size()));
  }
  wrappedLineCount_ = lines;
}

void TCodeWordWrapPlugin::NoteDisplayChange() {
  if (WantedRowLength() != maxRowLength_) RewrapAll();
}

// The counts are the editor's to get right; out of range they change nothing.

int TCodeWordWrapPlugin::NoteLinesInserted(int index, int count) {
  if (maxRowLength_ == 0 || index < 0 || index > wrappedLineCount_ || count < 1) return 0;
  return ReplaceLines(index, 0, count);
}

int TCodeWordWrapPlugin::NoteLinesDeleted(int index, int count) {
  if (maxRowLength_ == 0 || index < 0 || count < 1 || count > wrappedLineCount_ - index) return 0;
  return -ReplaceLines(index, count, 0);
}

int TCodeWordWrapPlugin::NoteLinesReplaced(int index, int count) {
  if (maxRowLength_ == 0 || index < 0 || count < 1 || count > wrappedLineCount_ - index) return 0;
  return ReplaceLines(index, count, count);
}

int TCodeWordWrapPlugin::LengthOfRow(int row) const {
  if (row < 1 || row > TotalRows()) toolkit::ThrowListIndexError(row);
  return rowLengths_[static_cast<std::size_t>(row - 1)];
}

DisplayPos TCodeWordWrapPlugin::ToDisplayPosition(BufferPos position) const {
  if (position.Line < 1) return {position.Char, position.Line};
  if (position.Line > wrappedLineCount_) return {position.Char, TotalRows() + position.Line - wrappedLineCount_};
  const int line = position.Line - 1;
  const int lastRow = lineOffsets_[line] - 1;
  int before = 0;
  for (int row = FirstRowOf(line); row <= lastRow; ++row) {
    const int length = rowLengths_[static_cast<std::size_t>(row)];
    if (before + length >= position.Char) return {position.Char - before, row + 1};
    before += length;
  }
  return {rowLengths_[static_cast<std::size_t>(lastRow)] + position.Char - before, lastRow + 1};
}

BufferPos TCodeWordWrapPlugin::ToBufferPosition(DisplayPos position) const {
  const int rows = TotalRows();
  if (position.Row < 1) return {position.Column, position.Row};
  if (position.Row > rows) return {position.Column, position.Row - rows + wrappedLineCount_};
  const int row = position.Row - 1;
  // The first line whose rows reach past row.
  const int line = static_cast<int>(std::upper_bound(lineOffsets_.begin(), lineOffsets_.begin() + wrappedLineCount_, row) -
                                    lineOffsets_.begin());
  const int firstRow = FirstRowOf(line);
  const int widest = row == lineOffsets_[line] - 1 ? maxRowLength_ : rowLengths_[static_cast<std::size_t>(row)];
  int character = std::min(position.Column, widest + 1);
  for (int earlier = firstRow; earlier < row; ++earlier) character += rowLengths_[static_cast<std::size_t>(earlier)];
  return {character, line + 1};
}

}  // namespace editor
