#include "ide/regex_syntax.h"

#include <algorithm>

#include "ide/qel_syntax.h"

namespace ide {

namespace {

using editor::fsBold;
using editor::fsItalic;
using editor::fsUnderline;
using editor::kColorNone;
using toolkit::Char;

struct AttributeDefaults {
  const char16_t* name;
  editor::TCodeFontStyles style;
  toolkit::Color foreground;
  toolkit::Color background;
};

// In creation order; plain text and the line's end share "Unknown".
constexpr AttributeDefaults kAttributes[] = {
    {u"Unknown", 0, 0x222222, kColorNone},
    {u"Quoting", 0, 0xFFFFFF, 0x000000},
    {u"Escape", fsItalic, 0xEFA400, 0xF0F0F0},
    {u"Meta", fsBold, 0xFFFFFF, 0x00B9FF},
    {u"Quantifier", fsBold, 0x00B9FF, kColorNone},
    {u"Class", 0, 0xFFFFFF, 0x00BA7F},
    {u"Reference", fsUnderline, 0x00BA7F, 0xF0F0F0},
    {u"Error", fsBold, 0xFFFFFF, 0x2250F2},
    {u"Group", fsBold, 0xFFFFFF, 0xEFA400},
    {u"Group2", fsBold, 0xF0F0F0, 0xDE9300},
    {u"Group3", fsBold, 0xE0E0E0, 0xCD8200},
    {u"Group4", 0, 0xD0D0D0, 0xDC7100},
    {u"Group5", 0, 0xC0C0C0, 0xCB6000},
    {u"Group6", 0, 0xB0B0B0, 0xBA5000},
};

bool IsDigit(Char c) { return c >= u'0' && c <= u'9'; }
bool IsOctalDigit(Char c) { return c >= u'0' && c <= u'7'; }
bool IsHexDigit(Char c) { return IsDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

}  // namespace

TRegexSyntax::TRegexSyntax(toolkit::Component* owner) : TCodeCustomHighlighter(owner) {
  SetCaseSensitive(true);
  // Attribute i serves token kind i + 1 (kinds 0 and 1 share the first).
  for (std::size_t i = 0; i < std::size(kAttributes); ++i) {
    auto* attribute = new editor::TCodeHighlighterAttributes(kAttributes[i].name, kAttributes[i].name);
    RegisterAttribute(attribute);
    attribute->SetStyle(kAttributes[i].style);
    attribute->SetForeground(kAttributes[i].foreground);
    attribute->SetBackground(kAttributes[i].background);
    attributes_[i + 1] = attribute;
  }
  attributes_[tkPlain] = attributes_[tkNull];
  BindAttributeChanges(toolkit::NotifyEvent(static_cast<TCodeCustomHighlighter*>(this),
                                            &TCodeCustomHighlighter::NotifyAttributeChange));
}

editor::TCodeHighlighterAttributes* TRegexSyntax::CommonAttribute(int index) const {
  return index >= kCommonComment && index <= kCommonSymbol ? attributes_[tkPlain] : nullptr;
}

editor::TCodeHighlighterAttributes* TRegexSyntax::TokenStyle() const { return attributes_[kind_]; }

void TRegexSyntax::RestoreState(editor::TCodeRangeState state) {
  range_ = static_cast<RangeState>(state);
  depth_ = 0;
  classBody_ = -1;
}

void TRegexSyntax::PrepareLine(const toolkit::String& text, int lineNumber) {
  TCodeCustomHighlighter::PrepareLine(text, lineNumber);
  line_ = ScanText();
  endShown_ = false;
  classBody_ = -1;
}

Char TRegexSyntax::At(int index) const {
  return index < static_cast<int>(line_.size()) ? line_[static_cast<std::size_t>(index)] : Char(0);
}

bool TRegexSyntax::AtLineEnd(int index) const {
  if (index >= static_cast<int>(line_.size())) return true;
  const Char c = At(index);
  return c == u'\n' || c == u'\r';
}

int TRegexSyntax::LineEndIndex() const {
  int i = run_;
  while (!AtLineEnd(i)) ++i;
  return i;
}

TRegexSyntax::TokenKind TRegexSyntax::GroupKind() const {
  if (depth_ < 0) return tkError;
  return static_cast<TokenKind>(tkGroup + std::min(depth_, tkGroup6 - tkGroup));
}

void TRegexSyntax::Next() {
  tokenPos_ = run_;
  finished_ = false;
  const Char c = At(run_);
  if (run_ >= static_cast<int>(line_.size())) {
    ScanLineEnd();
  } else if (c == u'\n' || c == u'\r') {
    kind_ = tkPlain;
    run_ += c == u'\r' && At(run_ + 1) == u'\n' ? 2 : 1;
  } else if (range_ == rsClass) {
    if (c == u'\\') {
      ScanEscape();
    } else if (c == u'[' && At(run_ + 1) == u':') {
      // A POSIX class name such as "[:alpha:]" is part of the class.
      kind_ = tkPlain;
      const int start = run_;
      run_ += 2;
      if (!TakeThrough(u']') || At(run_ - 2) != u':') run_ = start + 1;
    } else if (c == u']' && run_ != classBody_) {
      kind_ = tkClass;
      range_ = rsNone;
      ++run_;
    } else {
      kind_ = tkPlain;
      ++run_;
    }
  } else if (range_ == rsQuoting) {
    if (c == u'\\' && At(run_ + 1) == u'E') {
      ScanEscape();
    } else {
      kind_ = tkPlain;
      ++run_;
    }
  } else if (range_ == rsComment) {
    if (c == u')') {
      range_ = rsNone;
      ScanGroupClose();
    } else {
      kind_ = tkPlain;
      ++run_;
    }
  } else {
    switch (c) {
      case u'(': ScanGroupOpen(); break;
      case u')': ScanGroupClose(); break;
      case u'|':
        kind_ = GroupKind();
        ++run_;
        break;
      case u'^':
      case u'$':
      case u'.':
        kind_ = tkMeta;
        ++run_;
        break;
      case u'?':
      case u'*':
      case u'+':
        kind_ = tkQuantifier;
        ++run_;
        break;
      case u'{': ScanBrace(); break;
      case u'[': ScanClassOpen(); break;
      case u'\\': ScanEscape(); break;
      default:
        kind_ = tkPlain;
        ++run_;
        break;
    }
  }
  TCodeCustomHighlighter::Next();
}

// A group, a class or a comment group still open shows as an empty error
// token at the end, once; then the scan is finished.
void TRegexSyntax::ScanLineEnd() {
  if (!endShown_ && (depth_ > 0 || range_ == rsClass || range_ == rsComment)) {
    endShown_ = true;
    kind_ = tkError;
    if (range_ == rsClass) range_ = rsNone;
    return;
  }
  kind_ = tkNull;
  finished_ = true;
}

bool TRegexSyntax::TakeThrough(Char close) {
  while (!AtLineEnd(run_)) {
    if (At(run_++) == close) return true;
  }
  return false;
}

void TRegexSyntax::ScanGroupOpen() {
  ++run_;
  bool complete = true;
  if (At(run_) == u'?') {
    ++run_;
    const Char c = At(run_);
    if (AtLineEnd(run_)) {
      complete = false;
    } else if (c == u'=' || c == u'>' || c == u'!' || c == u'&' || c == u'R' || c == u'|' || c == u':' ||
               IsDigit(c)) {
      ++run_;
    } else if (c == u'#') {
      ++run_;
      range_ = rsComment;
    } else if (c == u'\'') {
      ++run_;
      complete = TakeThrough(u'\'');
    } else if (c == u'<') {
      ++run_;
      complete = At(run_) == u'=' || At(run_) == u'!' ? (++run_, true) : TakeThrough(u'>');
    } else if (c == u'P') {
      const Char after = At(run_ + 1);
      run_ += 2;
      if (after == u'=') {
        // "(?P=name)" is a reference by name, not a group.
        kind_ = TakeThrough(u')') ? tkReference : tkError;
        return;
      }
      if (after == u'<') {
        complete = TakeThrough(u'>');
      } else if (after != u'>') {
        run_ -= 1;
        kind_ = tkError;
        return;
      }
    }
  }
  if (!complete) {
    kind_ = tkError;
    run_ = LineEndIndex();
    return;
  }
  if (depth_ < 0) depth_ = 0;
  kind_ = GroupKind();
  ++depth_;
}

void TRegexSyntax::ScanGroupClose() {
  ++run_;
  --depth_;
  kind_ = GroupKind();
}

// "{" with digits, and optionally a comma and more digits, up to "}" is a
// counted quantifier; any other "{" is a plain character.
void TRegexSyntax::ScanBrace() {
  int i = run_ + 1;
  const int digits = i;
  while (IsDigit(At(i))) ++i;
  bool counted = i > digits;
  if (counted && At(i) == u',') {
    ++i;
    while (IsDigit(At(i))) ++i;
  }
  counted = counted && At(i) == u'}' && i < static_cast<int>(line_.size());
  kind_ = counted ? tkQuantifier : tkPlain;
  run_ = counted ? i + 1 : run_ + 1;
}

void TRegexSyntax::ScanClassOpen() {
  ++run_;
  if (At(run_) == u'^') ++run_;
  if (AtLineEnd(run_)) {
    kind_ = tkError;
    return;
  }
  kind_ = tkClass;
  range_ = rsClass;
  classBody_ = run_;
}

void TRegexSyntax::ScanEscape() {
  const int start = run_;
  const Char c = At(run_ + 1);
  if (AtLineEnd(run_ + 1)) {
    kind_ = tkError;
    run_ = LineEndIndex();
    return;
  }
  run_ += 2;
  kind_ = tkEscape;
  bool complete = true;
  if (c == u'Q' && range_ == rsNone) {
    kind_ = tkQuoting;
    range_ = rsQuoting;
  } else if (c == u'E') {
    if (range_ == rsQuoting) {
      kind_ = tkQuoting;
      range_ = rsNone;
    }
  } else if (c == u'c') {
    complete = !AtLineEnd(run_);
    if (complete) ++run_;
  } else if (c == u'0' || (IsDigit(c) && range_ == rsClass)) {
    // An octal character code, in a class also without the leading zero.
    for (int n = 0; n < 2 && IsOctalDigit(At(run_)); ++n) ++run_;
  } else if (IsDigit(c)) {
    kind_ = tkReference;
    while (IsDigit(At(run_))) ++run_;
  } else if ((c == u'g' || c == u'k') && range_ != rsClass) {
    kind_ = tkReference;
    const Char open = At(run_);
    if (c == u'g' && (IsDigit(open) || ((open == u'-' || open == u'+') && IsDigit(At(run_ + 1))))) {
      ++run_;
      while (IsDigit(At(run_))) ++run_;
    } else if (open == u'\'' || open == u'<' || open == u'{') {
      ++run_;
      complete = TakeThrough(open == u'\'' ? u'\'' : open == u'<' ? u'>' : u'}');
    } else {
      kind_ = tkError;
    }
  } else if ((c == u'p' || c == u'P' || c == u'x') && At(run_) == u'{') {
    ++run_;
    complete = TakeThrough(u'}');
  } else if (c == u'p' || c == u'P') {
    complete = !AtLineEnd(run_);
    if (complete) ++run_;
  } else if (c == u'x') {
    for (int n = 0; n < 2 && IsHexDigit(At(run_)); ++n) ++run_;
  }
  if (!complete) {
    kind_ = tkError;
    run_ = std::max(start + 1, LineEndIndex());
  }
}

}  // namespace ide
