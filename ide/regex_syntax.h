// The highlighter of the find box's regular expressions (PCRE's dialect):
// quoting, escapes, classes, quantifiers, references and errors stand out,
// and each nesting depth of groups has its own colour. The depth lives only
// within a line; the range state carries an open class, quoting or comment
// group to the next line.
#pragma once
#include <cstdint>

#include "editor/highlighter.h"

namespace ide {

class TRegexSyntax : public editor::TCodeCustomHighlighter {
 public:
  enum TokenKind : std::uint8_t {
    tkPlain = 0,
    tkNull = 1,
    tkQuoting = 2,
    tkEscape = 3,
    tkMeta = 4,
    tkQuantifier = 5,
    tkClass = 6,
    tkReference = 7,
    tkError = 8,
    tkGroup = 9,  // 9 + depth, up to tkGroup6
    tkGroup6 = 14,
  };
  enum RangeState : std::uint8_t { rsNone = 0, rsClass = 1, rsQuoting = 2, rsComment = 3 };

  explicit TRegexSyntax(toolkit::Component* owner);
  static editor::TCodeCustomHighlighter* Create(toolkit::Component* owner) { return new TRegexSyntax(owner); }

  toolkit::String ClassName() const override { return u"TRegexSyntax"; }
  editor::TCodeHighlighterAttributes* CommonAttribute(int index) const override;

  void Next() override;
  bool ScanFinished() const override { return finished_; }
  editor::TCodeHighlighterAttributes* TokenStyle() const override;
  int TokenClass() const override { return kind_; }
  editor::TCodeRangeState LineEndState() const override { return range_; }
  void RestoreState(editor::TCodeRangeState state) override;
  void ClearState() override { RestoreState(rsNone); }

 protected:
  void PrepareLine(const toolkit::String& text, int lineNumber) override;

 private:
  // Each scans the token at run_, leaving run_ behind it.
  void ScanGroupOpen();
  void ScanGroupClose();
  void ScanEscape();
  void ScanClassOpen();
  void ScanBrace();
  // The line's end: an error where something is left open, else the end.
  void ScanLineEnd();
  // Takes the characters up to and including close; false at the line end.
  bool TakeThrough(toolkit::Char close);
  TokenKind GroupKind() const;
  toolkit::Char At(int index) const;
  bool AtLineEnd(int index) const;
  int LineEndIndex() const;

  editor::TCodeHighlighterAttributes* attributes_[tkGroup6 + 1] = {};
  toolkit::StringView line_;
  TokenKind kind_ = tkNull;
  RangeState range_ = rsNone;
  int depth_ = 0;
  // Where the body of the open class starts: a "]" there is a member.
  int classBody_ = -1;
  bool endShown_ = false;
  bool finished_ = true;
};

}  // namespace ide
