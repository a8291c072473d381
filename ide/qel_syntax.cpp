#include "ide/qel_syntax.h"

#include <array>

namespace ide {

namespace {

using toolkit::Char;
using toolkit::StringView;

constexpr std::array<StringView, 44> kReservedWords = {
    u"@",     u"and",    u"as",     u"atom",  u"base",  u"bit",    u"case",  u"class", u"div",
    u"do",    u"else",   u"elsif",  u"end",   u"except", u"exit",  u"false", u"finally", u"for",
    u"qel",   u"if",     u"in",     u"is",    u"loop",  u"mod",    u"new",   u"next",  u"nil",
    u"not",   u"null",   u"or",     u"raise", u"result", u"return", u"step", u"then",  u"this",
    u"to",    u"true",   u"try",    u"use",   u"var",   u"when",   u"while", u"xor"};

constexpr int kKeywordSlots = 79;

bool IsIdentifierCode(Char c) {
  return c == u'$' || (c >= u'0' && c <= u'9') || c == u'@' || (c >= u'A' && c <= u'Z') || c == u'_' ||
         (c >= u'a' && c <= u'z');
}

// The language takes code units above 255 as letters; so does the word scan.
bool IsWordCode(Char c) { return IsIdentifierCode(c) || c > 255; }

bool IsDigit(Char c) { return c >= u'0' && c <= u'9'; }
bool IsQuote(Char c) { return c == u'"' || c == u'\'' || c == u'`'; }
bool IsLineEnd(Char c) { return c == 0 || c == u'\n' || c == u'\r'; }

// What may follow "." in one dot operator, as the language reads it.
bool IsOperatorChar(Char c) {
  constexpr StringView kOperatorChars = u"!#%&*+-/<=>?\\^|~";
  return c != 0 && kOperatorChars.find(c) != StringView::npos;
}

bool IsSymbolChar(Char c) {
  return c == u'!' || c == u'&' || (c >= u'(' && c <= u'.') || (c >= u':' && c <= u'?') ||
         (c >= u'[' && c <= u'^') || (c >= u'{' && c <= u'~');
}

// Every reserved word's index at the slot its hash gives; the words take
// different slots, which a test checks.
const std::array<int, kKeywordSlots>& KeywordTable() {
  static const std::array<int, kKeywordSlots> table = [] {
    std::array<int, kKeywordSlots> slots;
    slots.fill(-1);
    for (int i = 0; i < static_cast<int>(kReservedWords.size()); ++i) {
      int length = 0;
      slots[static_cast<std::size_t>(TQelSyntax::KeywordSlot(kReservedWords[static_cast<std::size_t>(i)], length))] = i;
    }
    return slots;
  }();
  return table;
}

editor::TCodeHighlighterAttributes* MakeAttribute(editor::TCodeCustomHighlighter& owner, const char16_t* name,
                                                  const char16_t* friendlyName, editor::TCodeFontStyles style,
                                                  toolkit::Color foreground,
                                                  toolkit::Color background = editor::kColorNone) {
  auto* attribute = new editor::TCodeHighlighterAttributes(name, friendlyName);
  owner.RegisterAttribute(attribute);
  attribute->SetStyle(style);
  attribute->SetForeground(foreground);
  attribute->SetBackground(background);
  return attribute;
}

constexpr const char16_t* kDefaultFilter = u"Qel (*.qel)|*.qel";

}  // namespace

TQelSyntax::TQelSyntax(toolkit::Component* owner)
    : TCodeCustomHighlighter(owner), sampleText_(u"Sample source for: \r\nQel") {
  using editor::fsBold;
  using editor::fsItalic;
  SetCaseSensitive(true);
  comment_ = MakeAttribute(*this, u"Comment", u"Comment", fsItalic, 0x808080);
  identifier_ = MakeAttribute(*this, u"Identifier", u"Identifier", 0, 0x222222);
  reservedWord_ = MakeAttribute(*this, u"ReservedWord", u"Reserved Word", fsBold | fsItalic, 0xEFA400);
  number_ = MakeAttribute(*this, u"Number", u"Number", 0, 0x2250F2);
  regex_ = MakeAttribute(*this, u"Regex", u"Regex", fsItalic, 0xFF4580, 0xF0F0F0);
  space_ = MakeAttribute(*this, u"Space", u"Space", 0, editor::kColorNone);
  string_ = MakeAttribute(*this, u"String", u"String", fsItalic, 0x00BA7F, 0xF0F0F0);
  symbol_ = MakeAttribute(*this, u"Symbol", u"Symbol", 0, 0x00B9FF);
  SetDefaultFilter(kDefaultFilter);
  BindAttributeChanges(toolkit::NotifyEvent(static_cast<TCodeCustomHighlighter*>(this),
                                            &TCodeCustomHighlighter::NotifyAttributeChange));
}

editor::TCodeHighlighterAttributes* TQelSyntax::CommonAttribute(int index) const {
  switch (index) {
    case kCommonComment: return comment_;
    case kCommonIdentifier: return identifier_;
    case kCommonKeyword: return reservedWord_;
    case kCommonString: return string_;
    case kCommonWhiteSpace: return space_;
    case kCommonSymbol: return symbol_;
    default: return nullptr;
  }
}

bool TQelSyntax::IsDefaultFilterStored() const { return DefaultFilter() != kDefaultFilter; }

bool TQelSyntax::IsReservedWord(const toolkit::String& word) const {
  int length = 0;
  const int index = KeywordTable()[static_cast<std::size_t>(KeywordSlot(word, length))];
  return index >= 0 && length == static_cast<int>(word.size()) && kReservedWords[static_cast<std::size_t>(index)] == word;
}

bool TQelSyntax::IsIdentifierChar(toolkit::Char c) const { return IsIdentifierCode(c); }

int TQelSyntax::KeywordSlot(toolkit::StringView text, int& length) {
  std::uint32_t hash = 0;
  length = 0;
  while (length < static_cast<int>(text.size()) && IsIdentifierCode(text[static_cast<std::size_t>(length)])) {
    hash = hash * 870u + static_cast<std::uint32_t>(text[static_cast<std::size_t>(length)]) * 276u;
    ++length;
  }
  return static_cast<int>(hash % kKeywordSlots);
}

editor::TCodeHighlighterAttributes* TQelSyntax::TokenStyle() const {
  switch (kind_) {
    case tkComment: return comment_;
    case tkIdentifier:
    case tkUnknown: return identifier_;
    case tkReservedWord: return reservedWord_;
    case tkNumber: return number_;
    case tkRegex: return regex_;
    case tkSpace: return space_;
    case tkString: return string_;
    case tkSymbol: return symbol_;
    case tkNull: return nullptr;
  }
  return nullptr;
}

Char TQelSyntax::At(int index) const {
  return index < static_cast<int>(line_.size()) ? line_[static_cast<std::size_t>(index)] : Char(0);
}

void TQelSyntax::PrepareLine(const toolkit::String& text, int lineNumber) {
  TCodeCustomHighlighter::PrepareLine(text, lineNumber);
  line_ = ScanText();
}

void TQelSyntax::Next() {
  tokenPos_ = run_;
  finished_ = run_ >= static_cast<int>(line_.size());
  if (finished_) {
    kind_ = tkNull;
    TCodeCustomHighlighter::Next();
    return;
  }
  const Char c = At(run_);
  if (c == 0) {
    kind_ = tkNull;
    ++run_;
  } else if (c == u'\n' || c == u'\r') {
    kind_ = tkSpace;
    run_ += c == u'\r' && At(run_ + 1) == u'\n' ? 2 : 1;
  } else if (range_ != rsNone) {
    ScanContinuedRange();
  } else if (c <= u' ') {
    kind_ = tkSpace;
    while (run_ < static_cast<int>(line_.size()) && At(run_) >= 1 && At(run_) <= u' ') ++run_;
  } else if (IsQuote(c)) {
    kind_ = tkString;
    range_ = c == u'"' ? rsDoubleQuoted : c == u'\'' ? rsSingleQuoted : rsBackQuoted;
    ++run_;
  } else if (c == u'#') {
    ScanHash();
  } else if (c == u'/') {
    if (At(run_ + 1) == u'/') {
      kind_ = tkComment;
      SkipToLineBreak();
    } else {
      ScanDelimitedRegex();
    }
  } else if (c == u'%') {
    ScanDelimitedRegex();
  } else if (c == u'$' && IsQuote(At(run_ + 1))) {
    ScanQuotedRegex();
  } else if (c == u'.') {
    ScanDot();
  } else if (IsDigit(c)) {
    kind_ = tkNumber;
    while (IsDigit(At(run_))) ++run_;
  } else if (IsWordCode(c)) {
    ScanIdentifier();
  } else {
    kind_ = IsSymbolChar(c) ? tkSymbol : tkUnknown;
    ++run_;
  }
  TCodeCustomHighlighter::Next();
}

void TQelSyntax::ScanContinuedRange() {
  Char close = u'#';
  kind_ = tkComment;
  if (range_ != rsBlockComment) {
    kind_ = tkString;
    close = range_ == rsDoubleQuoted ? u'"' : range_ == rsSingleQuoted ? u'\'' : u'`';
  }
  while (!IsLineEnd(At(run_))) {
    if (At(run_++) == close) {
      range_ = rsNone;
      return;
    }
  }
}

void TQelSyntax::ScanIdentifier() {
  int length = 0;
  const StringView rest = line_.substr(static_cast<std::size_t>(run_));
  const int index = KeywordTable()[static_cast<std::size_t>(KeywordSlot(rest, length))];
  const int start = run_;
  run_ += length;
  while (IsWordCode(At(run_))) ++run_;
  SetIdentifier(start, run_ - start);
  kind_ = index >= 0 && TokenEquals(kReservedWords[static_cast<std::size_t>(index)]) ? tkReservedWord : tkIdentifier;
}

// As the language reads one: a body of characters above blank other than the
// delimiter, the delimiter, then lower-case flags. Otherwise the delimiter
// alone is a symbol (a division, for "/").
void TQelSyntax::ScanDelimitedRegex() {
  const Char delimiter = At(run_);
  int i = run_ + 1;
  while (At(i) > u' ' && At(i) != delimiter) ++i;
  if (i == run_ + 1 || At(i) != delimiter) {
    kind_ = tkSymbol;
    ++run_;
    return;
  }
  kind_ = tkRegex;
  run_ = i + 1;
  while (At(run_) >= u'a' && At(run_) <= u'z') ++run_;
}

// "$" and a quoted text, a doubled quote standing for one, then flags. A
// text that does not close on the line leaves the "$" alone as the regex.
void TQelSyntax::ScanQuotedRegex() {
  const Char quote = At(run_ + 1);
  kind_ = tkRegex;
  for (int i = run_ + 2; !IsLineEnd(At(i)); ++i) {
    if (At(i) != quote) continue;
    if (At(i + 1) == quote) {
      ++i;
      continue;
    }
    run_ = i + 1;
    while (At(run_) >= u'a' && At(run_) <= u'z') ++run_;
    return;
  }
  ++run_;
}

void TQelSyntax::ScanHash() {
  kind_ = tkComment;
  if (At(run_ + 1) == u'*') {
    range_ = rsBlockComment;
    run_ += 2;
  } else {
    SkipToLineBreak();
  }
}

void TQelSyntax::SkipToLineBreak() {
  while (!IsLineEnd(At(run_))) ++run_;
}

// "." and the operator characters after it are one operator.
void TQelSyntax::ScanDot() {
  kind_ = tkSymbol;
  ++run_;
  while (IsOperatorChar(At(run_))) ++run_;
}

}  // namespace ide
