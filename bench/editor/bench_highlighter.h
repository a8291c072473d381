// The benchmark's highlighter: a C-like language with keywords, numbers,
// strings, line comments and block comments that run across lines (the
// range state at a line's end says whether one is open).
#pragma once
#include "editor/highlighter.h"

namespace editor_bench {

class BenchHighlighter : public editor::TCodeCustomHighlighter {
 public:
  enum Kind { kComment, kIdentifier, kKeyword, kNumber, kSpace, kString, kSymbol };
  enum Range : editor::TCodeRangeState { kNormal = 0, kInComment = 1 };

  explicit BenchHighlighter(toolkit::Component* owner);

  toolkit::String ClassName() const override { return u"BenchHighlighter"; }
  editor::TCodeHighlighterAttributes* CommonAttribute(int index) const override;
  bool ScanFinished() const override { return finished_; }
  editor::TCodeHighlighterAttributes* TokenStyle() const override;
  int TokenClass() const override { return kind_; }
  editor::TCodeRangeState LineEndState() const override { return range_; }
  void RestoreState(editor::TCodeRangeState state) override { range_ = state; }
  void ClearState() override { range_ = kNormal; }
  void Next() override;

 private:
  void ScanBlockComment(toolkit::StringView text);
  bool IsKeyword(toolkit::StringView word) const;

  editor::TCodeHighlighterAttributes* comment_;
  editor::TCodeHighlighterAttributes* keyword_;
  editor::TCodeHighlighterAttributes* number_;
  editor::TCodeHighlighterAttributes* string_;
  int kind_ = kSpace;
  editor::TCodeRangeState range_ = kNormal;
  bool finished_ = false;
};

}  // namespace editor_bench
