// The highlighter of Qel source in the IDE's editors. Its tokens follow the
// language's scanner where colours tell them apart, but it scans one line at
// a time and keeps open strings and block comments in the line's range
// state. Numbers are shown as runs of decimal digits ("3.14" is a number, a
// symbol and a number).
#pragma once
#include <cstdint>

#include "editor/highlighter.h"

namespace ide {

// The framework's common token classes, as both IDE highlighters number them.
enum CommonTokenClass : int {
  kCommonComment = 0,
  kCommonIdentifier = 1,
  kCommonKeyword = 2,
  kCommonString = 3,
  kCommonWhiteSpace = 4,
  kCommonSymbol = 5,
};

class TQelSyntax : public editor::TCodeCustomHighlighter {
 public:
  enum TokenKind : std::uint8_t {
    tkComment = 0,
    tkIdentifier = 1,
    tkReservedWord = 2,
    tkNull = 3,
    tkNumber = 4,
    tkRegex = 5,
    tkSpace = 6,
    tkString = 7,
    tkSymbol = 8,
    tkUnknown = 9,
  };
  enum RangeState : std::uint8_t {
    rsNone = 0,
    rsDoubleQuoted = 1,
    rsSingleQuoted = 2,
    rsBackQuoted = 3,
    rsBlockComment = 4,
  };

  explicit TQelSyntax(toolkit::Component* owner);
  static editor::TCodeCustomHighlighter* Create(toolkit::Component* owner) { return new TQelSyntax(owner); }

  toolkit::String ClassName() const override { return u"TQelSyntax"; }
  editor::TCodeHighlighterAttributes* CommonAttribute(int index) const override;
  bool IsDefaultFilterStored() const override;
  toolkit::String SampleText() const override { return sampleText_; }
  void SetSampleText(const toolkit::String& text) override { sampleText_ = text; }
  toolkit::String LanguageTitle() const override { return u"Qel"; }
  toolkit::String DisplayLanguageTitle() const override { return u"Qel"; }
  bool IsReservedWord(const toolkit::String& word) const override;
  bool IsIdentifierChar(toolkit::Char c) const override;

  void Next() override;
  bool ScanFinished() const override { return finished_; }
  editor::TCodeHighlighterAttributes* TokenStyle() const override;
  int TokenClass() const override { return kind_; }
  editor::TCodeRangeState LineEndState() const override { return range_; }
  void RestoreState(editor::TCodeRangeState state) override { range_ = static_cast<RangeState>(state); }
  void ClearState() override { range_ = rsNone; }

  // The slot of the keyword table for the identifier at the start of text,
  // and the identifier's length.
  static int KeywordSlot(toolkit::StringView text, int& length);

 protected:
  void PrepareLine(const toolkit::String& text, int lineNumber) override;

 private:
  // Each scans the token at run_, leaving run_ behind it.
  void ScanContinuedRange();
  void ScanIdentifier();
  void ScanDelimitedRegex();
  void ScanQuotedRegex();
  void ScanHash();
  void ScanDot();
  // A comment runs to the line's end; an embedded NUL or line break stops it.
  void SkipToLineBreak();
  toolkit::Char At(int index) const;

  editor::TCodeHighlighterAttributes* comment_;
  editor::TCodeHighlighterAttributes* identifier_;
  editor::TCodeHighlighterAttributes* reservedWord_;
  editor::TCodeHighlighterAttributes* number_;
  editor::TCodeHighlighterAttributes* regex_;
  editor::TCodeHighlighterAttributes* space_;
  editor::TCodeHighlighterAttributes* string_;
  editor::TCodeHighlighterAttributes* symbol_;
  toolkit::StringView line_;
  TokenKind kind_ = tkNull;
  RangeState range_ = rsNone;
  bool finished_ = true;
  toolkit::String sampleText_;
};

}  // namespace ide
