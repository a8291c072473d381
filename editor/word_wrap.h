// TCodeWordWrapPlugin: splits every buffer line into display rows no wider
// than the editor's text area, breaking before word-break characters where it
// can, and converts between buffer and display positions. The row table is
// one flat array of row lengths plus each line's cumulative row count, so
// only changed lines are wrapped again.
#pragma once
#include <cstdint>
#include <vector>

#include "editor/buffer_plugin.h"
#include "editor/word_wrap_owner.h"

namespace editor {

class TCodeWordWrapPlugin final : public ICodeEditBufferPlugin {
 public:
  // Raises when there is no owner; wraps every line at once.
  explicit TCodeWordWrapPlugin(WordWrapOwner* owner);
  TCodeWordWrapPlugin(const TCodeWordWrapPlugin&) = delete;
  TCodeWordWrapPlugin& operator=(const TCodeWordWrapPlugin&) = delete;

  int AddRef() override { return ++references_; }
  int Release() override;

  DisplayPos ToDisplayPosition(BufferPos position) const override;
  BufferPos ToBufferPosition(DisplayPos position) const override;
  int TotalRows() const override { return wrappedLineCount_ > 0 ? lineOffsets_[wrappedLineCount_ - 1] : 0; }
  int LengthOfRow(int row) const override;
  int NoteLinesInserted(int index, int count) override;
  int NoteLinesDeleted(int index, int count) override;
  int NoteLinesReplaced(int index, int count) override;
  void NoteDisplayChange() override;
  void RewrapAll() override;

  int MaxRowLength() const { return maxRowLength_; }
  int MinRowLength() const { return minRowLength_; }

 private:
  ~TCodeWordWrapPlugin() override = default;
  int WantedRowLength() const;
  // Rows of the line at index, appended to rows.
  void WrapLine(int index, std::vector<std::uint16_t>& rows) const;
  // Replaces the rows of oldCount wrapped lines at index by those of newCount
  // buffer lines there; answers the change in rows.
  int ReplaceLines(int index, int oldCount, int newCount);
  int FirstRowOf(int line) const { return line > 0 ? lineOffsets_[line - 1] : 0; }

  std::vector<std::int32_t> lineOffsets_;  // rows of lines 0..i together
  std::vector<std::uint16_t> rowLengths_;
  int wrappedLineCount_ = 0;
  WordWrapOwner* owner_;
  int minRowLength_ = 0;
  int maxRowLength_ = 0;
  int references_ = 0;
};

}  // namespace editor
