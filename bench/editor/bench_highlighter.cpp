#include "bench/editor/bench_highlighter.h"

#include <string_view>

namespace editor_bench {

using editor::TCodeHighlighterAttributes;
using toolkit::Char;
using toolkit::StringView;

namespace {

constexpr std::u16string_view kKeywords[] = {u"break",  u"class", u"else", u"false",  u"for",   u"function",
                                             u"if",     u"null",  u"new",  u"return", u"this",  u"true",
                                             u"var",    u"while"};

bool IsDigit(Char c) { return c >= u'0' && c <= u'9'; }
bool IsWordStart(Char c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_'; }

}  // namespace

BenchHighlighter::BenchHighlighter(toolkit::Component* owner) : TCodeCustomHighlighter(owner) {
  SetCaseSensitive(true);
  comment_ = new TCodeHighlighterAttributes(u"Comment", u"Comment");
  RegisterAttribute(comment_);
  keyword_ = new TCodeHighlighterAttributes(u"Reserved word", u"Reserved word");
  RegisterAttribute(keyword_);
  number_ = new TCodeHighlighterAttributes(u"Number", u"Number");
  RegisterAttribute(number_);
  string_ = new TCodeHighlighterAttributes(u"String", u"String");
  RegisterAttribute(string_);
}

TCodeHighlighterAttributes* BenchHighlighter::CommonAttribute(int index) const {
  switch (index) {
    case 0: return comment_;
    case 1: return keyword_;
    case 2: return string_;
    default: return nullptr;
  }
}

TCodeHighlighterAttributes* BenchHighlighter::TokenStyle() const {
  switch (kind_) {
    case kComment: return comment_;
    case kKeyword: return keyword_;
    case kNumber: return number_;
    case kString: return string_;
    default: return nullptr;
  }
}

bool BenchHighlighter::IsKeyword(StringView word) const {
  for (const std::u16string_view keyword : kKeywords)
    if (keyword == word) return true;
  return false;
}

// Up to and past the closing "*/", or to the line's end with the comment open.
void BenchHighlighter::ScanBlockComment(StringView text) {
  const int length = static_cast<int>(text.size());
  kind_ = kComment;
  range_ = kInComment;
  for (; run_ < length; ++run_) {
    if (text[static_cast<std::size_t>(run_)] == u'*' && run_ + 1 < length &&
        text[static_cast<std::size_t>(run_) + 1] == u'/') {
      run_ += 2;
      range_ = kNormal;
      return;
    }
  }
}

void BenchHighlighter::Next() {
  const StringView text = ScanText();
  const int length = static_cast<int>(text.size());
  tokenPos_ = run_;
  finished_ = run_ >= length;
  if (finished_) {
    TCodeCustomHighlighter::Next();
    return;
  }
  const auto at = [&](int i) { return i < length ? text[static_cast<std::size_t>(i)] : u'\0'; };
  const Char c = at(run_);
  if (range_ == kInComment) {
    ScanBlockComment(text);
  } else if (c == u'/' && at(run_ + 1) == u'*') {
    run_ += 2;
    ScanBlockComment(text);
  } else if (c == u'/' && at(run_ + 1) == u'/') {
    run_ = length;
    kind_ = kComment;
  } else if (IsWordStart(c)) {
    while (run_ < length && (IsWordStart(at(run_)) || IsDigit(at(run_)))) ++run_;
    kind_ = IsKeyword(text.substr(static_cast<std::size_t>(tokenPos_), static_cast<std::size_t>(run_ - tokenPos_)))
                ? kKeyword
                : kIdentifier;
  } else if (IsDigit(c)) {
    while (run_ < length && (IsDigit(at(run_)) || at(run_) == u'.')) ++run_;
    kind_ = kNumber;
  } else if (c == u'"') {
    // An unclosed string ends with its line.
    for (++run_; run_ < length && at(run_) != u'"'; ++run_)
      if (at(run_) == u'\\') ++run_;
    run_ = run_ < length ? run_ + 1 : length;
    kind_ = kString;
  } else if (c <= u' ') {
    while (run_ < length && at(run_) <= u' ') ++run_;
    kind_ = kSpace;
  } else {
    ++run_;
    kind_ = kSymbol;
  }
  TCodeCustomHighlighter::Next();
}

}  // namespace editor_bench
