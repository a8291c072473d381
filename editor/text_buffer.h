// TCodeEditStringList: the editor's line buffer. Lines are fixed-size records
// in one array with a gap at the last edit, so runs of edits at one place
// move nothing; their texts live in a pool (line_text_pool.h). Each record
// caches the line's expanded length and character offset, computed lazily.
#pragma once
#include <cstdint>
#include <string_view>

#include "editor/line_text_pool.h"
#include "editor/tab_expansion.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/core/method.h"
#include "toolkit/core/strings.h"

namespace editor {

class ECodeEditStringList : public toolkit::ListError {
 public:
  using toolkit::ListError::ListError;
};

// Sender, first line index, number of lines.
using LinesChangeEvent = toolkit::Method<void(toolkit::Object* sender, int index, int count)>;
// A tab-expanded line with a filler U+E000 in front of every glyph wider than
// one cell, so that its length counts screen columns.
using WideGlyphExpansion = toolkit::Method<toolkit::String(const toolkit::String& expanded)>;

enum class LineBreakKind : std::uint8_t { CrLf = 0, Lf = 1, Cr = 2, LineSeparator = 3 };

namespace line_flags {
inline constexpr std::uint8_t kHasTabs = 1;
inline constexpr std::uint8_t kNoTabs = 2;
inline constexpr std::uint8_t kExpandedUnknown = 4;
}  // namespace line_flags

// One line. Its object is kept beside the records (most buffers attach none),
// which holds a record to 32 bytes.
struct TCodeEditStringRec {
  const toolkit::Char* text;  // in the pool; null for an empty line
  std::intptr_t range;        // highlighter state at the line's end; -1 unscanned
  std::int32_t length;
  std::int32_t expandedLength;  // -1 until computed
  std::int32_t charOffset;      // valid while the buffer says so
  std::uint8_t flags;
};
static_assert(sizeof(TCodeEditStringRec) <= 32, "a line record must stay within 32 bytes");

class TCodeEditStringList : public toolkit::Strings {
 public:
  explicit TCodeEditStringList(WideGlyphExpansion expandWideGlyphs = {});
  ~TCodeEditStringList() override;
  TCodeEditStringList(const TCodeEditStringList&) = delete;
  TCodeEditStringList& operator=(const TCodeEditStringList&) = delete;

  toolkit::String ClassName() const override { return u"TCodeEditStringList"; }

  // Getters never raise: outside the lines they answer empty, none or 0.
  int Count() const override { return count_; }
  toolkit::String Get(int index) const override;
  toolkit::StringView LineView(int index) const;
  toolkit::Object* GetObject(int index) const override;
  std::intptr_t LineRange(int index) const;

  int Add(const toolkit::String& text) override;
  void AddStrings(const toolkit::Strings& list);
  void Insert(int index, const toolkit::String& text) override;
  void InsertObject(int index, const toolkit::String& text, toolkit::Object* object) override;
  void InsertEmptyLines(int index, int count);
  void Delete(int index) override;
  void RemoveLines(int index, int count);
  void Clear() override;
  void Exchange(int a, int b) override;
  // Put at Count appends.
  void Put(int index, const toolkit::String& text) override;
  void PutObject(int index, toolkit::Object* object) override;
  void SetLineRange(int index, std::intptr_t range);

  int Capacity() const override { return capacity_; }
  void SetCapacity(int capacity) override;

  // The tab-expanded line without wide-glyph fillers; its length with them.
  toolkit::String ExpandedLine(int index) const;
  int ExpandedLineLength(int index) const;
  int LongestLineLength() const;
  // Characters of all earlier lines, breaks not counted.
  int LineCharOffset(int index) const;

  // Lines joined by CR LF, or while streaming by the buffer's own break.
  toolkit::String Text() const override;
  // Splits at CR, LF and U+2028 and records the kind of break seen.
  void SetText(toolkit::StringView text) override;
  // As SetText with the text these UTF-8 bytes (no mark) decode to, bad
  // sequences as U+FFFD; the lines are decoded straight into their places.
  void SetUtf8Text(std::string_view bytes);
  void LoadFromStream(toolkit::Stream& stream) override;
  void SaveToStream(toolkit::Stream& stream) const override;

  editor::LineBreakKind LineBreakKind() const { return lineBreakKind_; }
  void SetLineBreakKind(editor::LineBreakKind kind);
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int tabWidth);

  toolkit::NotifyEvent OnChange;
  toolkit::NotifyEvent OnChanging;
  toolkit::NotifyEvent OnLinesCleared;
  LinesChangeEvent OnLinesDeleted;
  LinesChangeEvent OnLinesInserted;
  LinesChangeEvent OnLinesReplaced;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  int Slot(int index) const { return index < gapStart_ ? index : index + (capacity_ - count_); }
  TCodeEditStringRec& Line(int index) const { return lines_[Slot(index)]; }
  void CheckIndex(int index, int last) const;
  void MoveGapTo(int index);
  void Reallocate(int capacity);
  void MakeRoom(int added);
  // Opens count fresh records at index; their objects are none.
  void OpenLines(int index, int count);
  void CloseLines(int index, int count);
  void SetLineText(TCodeEditStringRec& line, toolkit::StringView text);
  void LinesChanged();
  void CompactTextIfWasteful();
  void ComputeCharOffsets() const;
  // Replaces every line by those cut() adds at the front (count_ counting
  // them), with room for breaks + 1 records and characters of text; an
  // empty text has no lines.
  template <class Cut>
  void LoadLines(bool empty, std::size_t characters, std::size_t breaks, Cut cut);
  template <class Change>
  void Updating(Change change);

  TCodeEditStringRec* lines_ = nullptr;
  toolkit::Object** objects_ = nullptr;  // null until a line gets one
  int count_ = 0;
  int capacity_ = 0;
  int gapStart_ = 0;
  editor::LineBreakKind lineBreakKind_ = editor::LineBreakKind::CrLf;
  ExpandTabsRoutine expandTabs_;
  mutable int longestLine_ = -1;
  int tabWidth_ = 8;
  WideGlyphExpansion expandWideGlyphs_;
  mutable bool charOffsetsValid_ = false;
  mutable bool streaming_ = false;
  LineTextPool pool_;
};

}  // namespace editor
