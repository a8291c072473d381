// The language highlighter against the language's own scanner: every script
// of the corpus is highlighted line by line, as the editor does, and each
// token the scanner reads must start and end on token bounds of the
// highlighter and have the kind the colour says. What the scanner skips
// (blanks, comments, characters it drops) must be shown as such.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ide/qel_syntax.h"
#include "runtime/parse/scanner.h"
#include "runtime/parse/tokens.h"
#include "runtime/sys/file_text.h"
#include "support/corpus_files.h"

using namespace runtime;
using K = ide::TQelSyntax::TokenKind;

namespace {

struct Shown {
  size_t start;
  size_t end;
  int kind;
};

bool IsLineBreak(char16_t c) { return c == u'\n' || c == u'\r'; }

bool IsWord(const Text& text) {
  const char16_t c = text.empty() ? 0 : text[0];
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c == u'@' || c == u'$' || c > 255;
}

// The highlighter's tokens over the whole text, at places of the text.
std::vector<Shown> Highlight(ide::TQelSyntax& h, const Text& text) {
  std::vector<Shown> shown;
  size_t lineStart = 0;
  for (int line = 0; lineStart <= text.size(); ++line) {
    size_t lineEnd = text.find(u'\n', lineStart);
    if (lineEnd == Text::npos) lineEnd = text.size();
    size_t contentEnd = lineEnd;
    if (contentEnd > lineStart && text[contentEnd - 1] == u'\r') --contentEnd;
    const editor::TCodeRangeState state = h.LineEndState();
    if (line == 0) {
      h.ClearState();
    } else {
      h.RestoreState(state);
    }
    for (h.StartLine(text.substr(lineStart, contentEnd - lineStart), line); !h.ScanFinished(); h.Next()) {
      const size_t start = lineStart + static_cast<size_t>(h.TokenStart());
      shown.push_back({start, start + h.TokenText().size(), h.TokenClass()});
    }
    lineStart = lineEnd + 1;
  }
  return shown;
}

class Agreement {
 public:
  Agreement(const std::string& file, const Text& text, const std::vector<Shown>& shown)
      : file_(file), text_(text), shown_(shown) {}

  // The highlighter tokens from the one starting at start up to end, or
  // none when no token starts at start.
  std::vector<Shown> Span(size_t start, size_t end) const {
    auto it = std::lower_bound(shown_.begin(), shown_.end(), start,
                               [](const Shown& s, size_t at) { return s.start < at; });
    std::vector<Shown> span;
    for (; it != shown_.end() && it->start < end; ++it) span.push_back(*it);
    return span;
  }
  bool StartsToken(size_t at) const {
    const auto span = Span(at, at + 1);
    return !span.empty() && span[0].start == at;
  }
  // A token of the scanner may end at a line break or the text's end.
  bool EndsToken(size_t at) const { return at >= text_.size() || IsLineBreak(text_[at]) || StartsToken(at); }

  std::string Where(size_t at) const {
    const size_t line = static_cast<size_t>(std::count(text_.begin(), text_.begin() + static_cast<long>(at), u'\n'));
    const size_t lineStart = text_.rfind(u'\n', at == 0 ? 0 : at - 1);
    const size_t column = lineStart == Text::npos || at == 0 ? at : at - lineStart - 1;
    return file_ + ":" + std::to_string(line + 1) + ":" + std::to_string(column + 1) + " \"" +
           toolkit::ToUtf8(text_.substr(at, 24)) + "\"";
  }
  Text TextOf(const Shown& s) const { return text_.substr(s.start, s.end - s.start); }

  void CheckToken(int code, size_t start, size_t end, const Text& token) const {
    ASSERT_TRUE(StartsToken(start) && EndsToken(end)) << "bounds " << Where(start);
    const std::vector<Shown> span = Span(start, end);
    const auto all = [&](auto accepts) { return std::all_of(span.begin(), span.end(), accepts); };
    const auto kinds = [&](int kind) { return all([&](const Shown& s) { return s.kind == kind; }); };
    switch (code) {
      case TK_IDENT:
        // These names mean something to the language though its scanner
        // reads them as names; the highlighter shows them as reserved.
        if (token == u"@" || token == u"this" || token == u"base" || token == u"result") {
          EXPECT_TRUE(span.size() == 1 && kinds(K::tkReservedWord)) << Where(start);
        } else {
          EXPECT_TRUE(span.size() == 1 && kinds(K::tkIdentifier)) << Where(start);
        }
        break;
      case TK_NUMBER:
        // The highlighter shows digit runs: the point, a base prefix's
        // letter, an exponent and its sign between them are symbol and name
        // tokens.
        EXPECT_TRUE(all([&](const Shown& s) {
          const Text shown = TextOf(s);
          return s.kind == K::tkNumber || s.kind == K::tkIdentifier ||
                 (s.kind == K::tkSymbol && (shown == u"." || shown == u"-" || shown == u"+"));
        }) && std::any_of(span.begin(), span.end(), [](const Shown& s) { return s.kind == K::tkNumber; }))
            << Where(start);
        break;
      case TK_STRING: EXPECT_TRUE(kinds(K::tkString)) << Where(start); break;
      case TK_DATE:
        // A date literal shows as the word "@" and a string.
        EXPECT_TRUE(span.size() >= 2 && span[0].kind == K::tkReservedWord &&
                    std::all_of(span.begin() + 1, span.end(), [](const Shown& s) { return s.kind == K::tkString; }))
            << Where(start);
        break;
      case TK_REGEX: EXPECT_TRUE(span.size() == 1 && kinds(K::tkRegex)) << Where(start); break;
      default:
        if (IsWord(token)) {
          EXPECT_TRUE(span.size() == 1 && kinds(K::tkReservedWord)) << Where(start);
        } else {
          EXPECT_TRUE(kinds(K::tkSymbol)) << Where(start);
        }
        break;
    }
  }

  // What the scanner skipped: blanks, comments, the "bit" before an
  // operator word, and characters it drops one by one.
  void CheckGap(size_t start, size_t end) const {
    for (const Shown& s : Span(start, end)) {
      const Text shown = TextOf(s);
      if (s.start < start) continue;
      ASSERT_LE(s.end, end) << "into a token " << Where(s.start);
      const bool blank = std::all_of(shown.begin(), shown.end(), [](char16_t c) { return c <= u' '; });
      const bool fits = (s.kind == K::tkSpace && blank) || s.kind == K::tkComment ||
                        (s.kind == K::tkReservedWord && shown == u"bit") ||
                        ((s.kind == K::tkSymbol || s.kind == K::tkUnknown || s.kind == K::tkNull) && shown.size() == 1);
      EXPECT_TRUE(fits) << "skipped text shown as kind " << s.kind << " " << Where(s.start);
    }
  }

 private:
  std::string file_;
  const Text& text_;
  const std::vector<Shown>& shown_;
};

// Every token and every gap of one script; answers the number of tokens.
int CheckScript(const std::u16string& path) {
  const Text text = ReadFileText(path, 0);
  ide::TQelSyntax h(nullptr);
  const std::vector<Shown> shown = Highlight(h, text);
  const Agreement agreement(toolkit::ToUtf8(path), text, shown);
  TScanner scanner;
  scanner.SetText(text);
  size_t previousEnd = 0;
  int tokens = 0;
  for (int code = scanner.Scan(); code != TK_END; code = scanner.Scan(), ++tokens) {
    const size_t end = scanner.Position();
    const size_t start = end - scanner.TokenText().size();
    agreement.CheckGap(previousEnd, start);
    agreement.CheckToken(code, start, end, scanner.TokenText());
    if (testing::Test::HasFatalFailure()) return tokens;
    previousEnd = end;
  }
  agreement.CheckGap(previousEnd, text.size());
  return tokens;
}

TEST(ScannerAgreementTest, EveryTokenOfTheCorpusAgrees) {
  const std::u16string folders[] = {u"" QEL_SCRIPTS,      u"" QEL_SCRIPTS u"/mod",     u"" QEL_SCRIPTS u"/lib",
                                    u"" QEL_SCRIPTS u"/app", u"" QEL_SCRIPTS u"/windows", u"" QEL_EXAMPLES,
                                    u"" QEL_EXAMPLES u"/native"};
  int scripts = 0;
  int tokens = 0;
  for (const std::u16string& folder : folders) {
    for (const std::u16string& name : FileNames(folder, u"*.qel")) {
      SCOPED_TRACE(toolkit::ToUtf8(name));
      tokens += CheckScript(folder + u"/" + name);
      ++scripts;
    }
  }
  EXPECT_GE(scripts, 50);
  EXPECT_GE(tokens, 5000);
}

// Texts the corpus may lack, with the same checks.
TEST(ScannerAgreementTest, TextsAtTheEdges) {
  const char16_t* texts[] = {
      u"x = \"one\ntwo\" & 'a''b' & \"\"\n",
      u"#* a block\ncomment # y = 1 # line\n// also\nz",
      u"a = b / c / d; r = a/b/gi; s = %x y%; t = $\"a b\"u; q = $'it''s'\n",
      u"@\"2024-01-02\" bit and bit not x .+ y .# z -> w += 1 <> 2 != 3 =~ 4 !~ 5",
      u"3.14 0x1F 0b101 .5 1e3 2.5E-3 7abc",
      u"this.base result @ $x $ \u6c49\u5b57 if\u00e9 ! \\ | ~ \u00e9 \x01",
      u"use \"mod\"; class A is x: 1 end\r\nif a then b elsif c then d end\r\n",
  };
  for (const char16_t* text : texts) {
    SCOPED_TRACE(toolkit::ToUtf8(text));
    ide::TQelSyntax h(nullptr);
    const Text source(text);
    const std::vector<Shown> shown = Highlight(h, source);
    const Agreement agreement("text", source, shown);
    TScanner scanner;
    scanner.SetText(source);
    size_t previousEnd = 0;
    for (int code = scanner.Scan(); code != TK_END; code = scanner.Scan()) {
      const size_t end = scanner.Position();
      const size_t start = end - scanner.TokenText().size();
      agreement.CheckGap(previousEnd, start);
      agreement.CheckToken(code, start, end, scanner.TokenText());
      previousEnd = end;
    }
    agreement.CheckGap(previousEnd, source.size());
  }
}

}  // namespace
