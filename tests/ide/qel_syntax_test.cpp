#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "editor/highlighter_list.h"
#include "ide/qel_syntax.h"
#include "ide/regex_syntax.h"
#include "ide/syntax_registration.h"
#include "ide/syntax_tokens.h"

using namespace ide;
using K = TQelSyntax::TokenKind;

namespace {

struct LineCase {
  const char16_t* line;
  const char* tokens;
};

TEST(QelSyntaxTest, TokensOfOneLine) {
  const LineCase cases[] = {
      // Reserved words are compared as written.
      {u"qel elsif Qel If", "[qel]2 [ ]6 [elsif]2 [ ]6 [Qel]1 [ ]6 [If]1 "},
      {u"@ @x $ab $", "[@]2 [ ]6 [@x]1 [ ]6 [$ab]1 [ ]6 [$]1 "},
      {u"this.base result", "[this]2 [.]8 [base]2 [ ]6 [result]2 "},
      {u"iffy if_ if2", "[iffy]1 [ ]6 [if_]1 [ ]6 [if2]1 "},
      // Numbers are digit runs.
      {u"3.14 0x1F", "[3]4 [.]8 [14]4 [ ]6 [0]4 [x1F]1 "},
      // A division is a symbol; a body without blanks between slashes is a regex.
      {u"x / 2", "[x]1 [ ]6 [/]8 [ ]6 [2]4 "},
      {u"a / b / c", "[a]1 [ ]6 [/]8 [ ]6 [b]1 [ ]6 [/]8 [ ]6 [c]1 "},
      {u"a/b/c", "[a]1 [/b/c]5 "},
      {u"/ab/gi.x", "[/ab/gi]5 [.]8 [x]1 "},
      {u"%a/b%i %", "[%a/b%i]5 [ ]6 [%]8 "},
      {u"$\"a b\"u $'x''y'", "[$\"a b\"u]5 [ ]6 [$'x''y']5 "},
      {u"$\"open", "[$]5 [\"]7 [open]7 "},
      {u"x // note", "[x]1 [ ]6 [// note]0 "},
      {u"# note #* no", "[# note #* no]0 "},
      {u"a #* b # c", "[a]1 [ ]6 [#*]0 [ b #]0 [ ]6 [c]1 "},
      // A doubled quote ends one string and starts the next.
      {u"'it''s' \"\"", "[']7 [it']7 [']7 [s']7 [ ]6 [\"]7 [\"]7 "},
      {u"a.#b .+= x.y", "[a]1 [.#]8 [b]1 [ ]6 [.+=]8 [ ]6 [x]1 [.]8 [y]1 "},
      {u"!&|~\\^", "[!]8 [&]8 [|]8 [~]8 [\\]8 [^]8 "},
      {u"\u00e9\u6c49x if\u6c49", "[\u00e9]9 [\u6c49x]1 [ ]6 [if\u6c49]1 "},
      {u"a\tb", "[a]1 [\t]6 [b]1 "},
  };
  TQelSyntax h(nullptr);
  for (const LineCase& test : cases)
    EXPECT_EQ(ShownTokens(ScanSyntaxLine(h, test.line)), test.tokens) << toolkit::ToUtf8(test.line);
  // A NUL inside the line is a token of its own; the scan goes on after it.
  EXPECT_EQ(ShownTokens(ScanSyntaxLine(h, std::u16string(u"a\0b", 3))), std::string("[a]1 [") + '\0' + "]3 [b]1 ");
}

TEST(QelSyntaxTest, StringsAndCommentsRunOverLines) {
  TQelSyntax h(nullptr);
  std::vector<editor::TCodeRangeState> states;
  auto tokens = ScanSyntaxLines(h, {u"x = \"one", u"two", u"three\" + 1"}, &states);
  EXPECT_EQ(states, (std::vector<editor::TCodeRangeState>{1, 1, 0}));
  EXPECT_EQ(ShownTokens(tokens[0]), "[x]1 [ ]6 [=]8 [ ]6 [\"]7 [one]7 ");
  EXPECT_EQ(ShownTokens(tokens[1]), "[two]7 ");
  EXPECT_EQ(ShownTokens(tokens[2]), "[three\"]7 [ ]6 [+]8 [ ]6 [1]4 ");

  tokens = ScanSyntaxLines(h, {u"a #*", u"", u"b # c"}, &states);
  EXPECT_EQ(states, (std::vector<editor::TCodeRangeState>{4, 4, 0}));
  EXPECT_EQ(ShownTokens(tokens[0]), "[a]1 [ ]6 [#*]0 ");
  EXPECT_TRUE(tokens[1].empty());
  EXPECT_EQ(ShownTokens(tokens[2]), "[b #]0 [ ]6 [c]1 ");

  tokens = ScanSyntaxLines(h, {u"'a", u"b'", u"`c", u"d`"}, &states);
  EXPECT_EQ(states, (std::vector<editor::TCodeRangeState>{2, 0, 3, 0}));
  // Line breaks inside a line are tokens of their own and keep the range.
  EXPECT_EQ(ShownTokens(ScanSyntaxLines(h, {u"\"", u"a\r\nb\""})[1]), "[a]7 [\r\n]6 [b\"]7 ");
}

TEST(QelSyntaxTest, KeywordsTakeDistinctSlots) {
  const char16_t* words[] = {u"@",      u"and",   u"as",     u"atom",   u"base", u"bit",  u"case",  u"class",
                             u"div",    u"do",    u"else",   u"elsif",  u"end",  u"except", u"exit", u"false",
                             u"finally", u"for",  u"qel",    u"if",     u"in",   u"is",   u"loop",  u"mod",
                             u"new",    u"next",  u"nil",    u"not",    u"null", u"or",   u"raise", u"result",
                             u"return", u"step",  u"then",   u"this",   u"to",   u"true", u"try",   u"use",
                             u"var",    u"when",  u"while",  u"xor"};
  TQelSyntax h(nullptr);
  std::set<int> slots;
  for (const char16_t* word : words) {
    int length = 0;
    slots.insert(TQelSyntax::KeywordSlot(word, length));
    EXPECT_TRUE(h.IsReservedWord(word)) << toolkit::ToUtf8(word);
    EXPECT_EQ(ScanSyntaxLine(h, word)[0].kind, K::tkReservedWord) << toolkit::ToUtf8(word);
  }
  EXPECT_EQ(slots.size(), 44u);
  EXPECT_FALSE(h.IsReservedWord(u"While"));
  EXPECT_FALSE(h.IsReservedWord(u"end2"));
  EXPECT_FALSE(h.IsReservedWord(u""));
}

TEST(QelSyntaxTest, AttributesAndSettings) {
  TQelSyntax h(nullptr);
  struct Expected {
    int kind;
    const char16_t* name;
    editor::TCodeFontStyles style;
    toolkit::Color foreground, background;
  };
  const Expected expected[] = {
      {K::tkComment, u"Comment", editor::fsItalic, 0x808080, editor::kColorNone},
      {K::tkIdentifier, u"Identifier", 0, 0x222222, editor::kColorNone},
      {K::tkReservedWord, u"ReservedWord", editor::fsBold | editor::fsItalic, 0xEFA400, editor::kColorNone},
      {K::tkNumber, u"Number", 0, 0x2250F2, editor::kColorNone},
      {K::tkRegex, u"Regex", editor::fsItalic, 0xFF4580, 0xF0F0F0},
      {K::tkSpace, u"Space", 0, editor::kColorNone, editor::kColorNone},
      {K::tkString, u"String", editor::fsItalic, 0x00BA7F, 0xF0F0F0},
      {K::tkSymbol, u"Symbol", 0, 0x00B9FF, editor::kColorNone},
  };
  const char16_t* samples[] = {u"#c", u"x", u"if", u"null", u"7", u"/r/", u" ", u"'s'", u"+"};
  for (const Expected& e : expected) {
    const auto tokens = ScanSyntaxLine(h, e.kind == K::tkIdentifier ? u"x" : samples[e.kind]);
    ASSERT_FALSE(tokens.empty());
    h.StartLine(e.kind == K::tkIdentifier ? u"x" : samples[e.kind], 0);
    ASSERT_EQ(h.TokenClass(), e.kind);
    const editor::TCodeHighlighterAttributes* attribute = h.TokenStyle();
    ASSERT_NE(attribute, nullptr);
    EXPECT_EQ(attribute->Name(), e.name);
    EXPECT_EQ(attribute->Style(), e.style);
    EXPECT_EQ(attribute->Foreground(), e.foreground);
    EXPECT_EQ(attribute->Background(), e.background);
    EXPECT_FALSE(attribute->StyleStored());
  }
  EXPECT_EQ(h.AttributeAt(h.CountAttributes() - 1)->FriendlyName(), u"Symbol");
  h.StartLine(u"\u00e9", 0);
  EXPECT_EQ(h.TokenStyle()->Name(), u"Identifier");
  EXPECT_EQ(h.CommonAttribute(kCommonKeyword)->Name(), u"ReservedWord");
  EXPECT_EQ(h.CommonAttribute(kCommonWhiteSpace)->Name(), u"Space");
  EXPECT_EQ(h.CommonAttribute(6), nullptr);
  EXPECT_TRUE(h.CaseSensitive());
  EXPECT_EQ(h.DefaultFilter(), u"Qel (*.qel)|*.qel");
  EXPECT_FALSE(h.IsDefaultFilterStored());
  h.SetDefaultFilter(u"Scripts|*.q");
  EXPECT_TRUE(h.IsDefaultFilterStored());
  EXPECT_EQ(h.SampleText(), u"Sample source for: \r\nQel");
  EXPECT_EQ(h.LanguageTitle(), u"Qel");
  EXPECT_TRUE(h.IsIdentifierChar(u'$'));
  EXPECT_TRUE(h.IsIdentifierChar(u'@'));
  EXPECT_FALSE(h.IsIdentifierChar(u'-'));
}

TEST(QelSyntaxTest, RegistrationAddsBothClassesOnce) {
  RegisterSyntaxHighlighters();
  const int count = editor::HighlighterClassList().Count();
  RegisterSyntaxHighlighters();
  EXPECT_EQ(editor::HighlighterClassList().Count(), count);
  EXPECT_GE(editor::HighlighterClassList().IndexOf(&TQelSyntax::Create), 0);
  EXPECT_GE(editor::HighlighterClassList().IndexOf(&TRegexSyntax::Create), 0);
}

}  // namespace
