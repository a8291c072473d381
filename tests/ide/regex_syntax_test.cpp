#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ide/regex_syntax.h"
#include "ide/syntax_tokens.h"

using namespace ide;
using K = TRegexSyntax::TokenKind;

namespace {

struct LineCase {
  const char16_t* line;
  const char* tokens;
};

TEST(RegexSyntaxTest, TokensOfOnePattern) {
  const LineCase cases[] = {
      // Each depth its colour; "|" takes the depth it stands in.
      {u"(a(b|c)d)|e", "[(]9 [a]0 [(]10 [b]0 [|]11 [c]0 [)]10 [d]0 [)]9 [|]9 [e]0 "},
      {u"a)b(c)", "[a]0 [)]8 [b]0 [(]9 [c]0 [)]9 "},
      {u"((((((x))))))", "[(]9 [(]10 [(]11 [(]12 [(]13 [(]14 [x]0 [)]14 [)]13 [)]12 [)]11 [)]10 [)]9 "},
      {u"\\Qa.b\\E.", "[\\Q]2 [a]0 [.]0 [b]0 [\\E]2 [.]4 "},
      {u"x{2,3}y{a}z{4}", "[x]0 [{2,3}]5 [y]0 [{]0 [a]0 [}]0 [z]0 [{4}]5 "},
      {u"^a+?.*$", "[^]4 [a]0 [+]5 [?]5 [.]4 [*]5 [$]4 "},
      {u"[^a\\]-]b", "[[^]6 [a]0 [\\]]3 [-]0 []]6 [b]0 "},
      {u"[]a][[:alpha:]]", "[[]6 []]0 [a]0 []]6 [[]6 [[:alpha:]]0 []]6 "},
      {u"(?:a)(?=b)(?<=c)(?<!d)(?>e)", "[(?:]9 [a]0 [)]9 [(?=]9 [b]0 [)]9 [(?<=]9 [c]0 [)]9 [(?<!]9 [d]0 [)]9 [(?>]9 [e]0 [)]9 "},
      {u"(?<n>x)(?'m'y)(?P<o>z)(?P=o)", "[(?<n>]9 [x]0 [)]9 [(?'m']9 [y]0 [)]9 [(?P<o>]9 [z]0 [)]9 [(?P=o)]7 "},
      {u"(?#a(b)c", "[(?#]9 [a]0 [(]0 [b]0 [)]9 [c]0 "},
      {u"(?Px)", "[(?P]8 [x]0 [)]8 "},
      {u"(?<name", "[(?<name]8 "},
      {u"\\1\\12\\0\\012\\g2\\g{-1}\\k<n>\\k'n'\\k{n}",
       "[\\1]7 [\\12]7 [\\0]3 [\\012]3 [\\g2]7 [\\g{-1}]7 [\\k<n>]7 [\\k'n']7 [\\k{n}]7 "},
      {u"\\d\\cA\\x41\\x{263a}\\pL\\p{Lu}\\.", "[\\d]3 [\\cA]3 [\\x41]3 [\\x{263a}]3 [\\pL]3 [\\p{Lu}]3 [\\.]3 "},
      {u"\\k", "[\\k]8 "},
      {u"a\\", "[a]0 [\\]8 "},
      {u"\\p{L", "[\\p{L]8 "},
      // What is left open shows at the end.
      {u"(ab", "[(]9 [a]0 [b]0 []8 "},
      {u"[ab", "[[]6 [a]0 [b]0 []8 "},
      {u"x[", "[x]0 [[]8 "},
      {u"x[^", "[x]0 [[^]8 "},
  };
  TRegexSyntax h(nullptr);
  for (const LineCase& test : cases)
    EXPECT_EQ(ShownTokens(ScanSyntaxLine(h, test.line)), test.tokens) << toolkit::ToUtf8(test.line);
}

TEST(RegexSyntaxTest, RangesCarryOverLinesButTheDepthDoesNot) {
  TRegexSyntax h(nullptr);
  std::vector<editor::TCodeRangeState> states;
  const auto tokens = ScanSyntaxLines(h, {u"(\\Qa", u"b\\E)", u"(?#x", u"y)"}, &states);
  EXPECT_EQ(states, (std::vector<editor::TCodeRangeState>{2, 0, 3, 0}));
  EXPECT_EQ(ShownTokens(tokens[0]), "[(]9 [\\Q]2 [a]0 []8 ");
  // The depth starts at 0 on every line: the ")" has no group to close.
  EXPECT_EQ(ShownTokens(tokens[1]), "[b]0 [\\E]2 [)]8 ");
  EXPECT_EQ(ShownTokens(tokens[2]), "[(?#]9 [x]0 []8 ");
  EXPECT_EQ(ShownTokens(tokens[3]), "[y]0 [)]8 ");
  EXPECT_EQ(ShownTokens(ScanSyntaxLine(h, u"a\r\n|")), "[a]0 [\r\n]0 [|]9 ");
}

TEST(RegexSyntaxTest, Attributes) {
  TRegexSyntax h(nullptr);
  struct Expected {
    const char16_t* line;
    const char16_t* name;
    editor::TCodeFontStyles style;
    toolkit::Color foreground, background;
  };
  const Expected expected[] = {
      {u"a", u"Unknown", 0, 0x222222, editor::kColorNone},
      {u"\\Q", u"Quoting", 0, 0xFFFFFF, 0x000000},
      {u"\\d", u"Escape", editor::fsItalic, 0xEFA400, 0xF0F0F0},
      {u".", u"Meta", editor::fsBold, 0xFFFFFF, 0x00B9FF},
      {u"*", u"Quantifier", editor::fsBold, 0x00B9FF, editor::kColorNone},
      {u"[a]", u"Class", 0, 0xFFFFFF, 0x00BA7F},
      {u"\\1", u"Reference", editor::fsUnderline, 0x00BA7F, 0xF0F0F0},
      {u")", u"Error", editor::fsBold, 0xFFFFFF, 0x2250F2},
      {u"()", u"Group", editor::fsBold, 0xFFFFFF, 0xEFA400},
  };
  for (const Expected& e : expected) {
    h.ClearState();
    h.StartLine(e.line, 0);
    const editor::TCodeHighlighterAttributes* attribute = h.TokenStyle();
    ASSERT_NE(attribute, nullptr) << toolkit::ToUtf8(e.line);
    EXPECT_EQ(attribute->Name(), e.name);
    EXPECT_EQ(attribute->FriendlyName(), e.name);
    EXPECT_EQ(attribute->Style(), e.style);
    EXPECT_EQ(attribute->Foreground(), e.foreground);
    EXPECT_EQ(attribute->Background(), e.background);
  }
  EXPECT_EQ(h.CountAttributes(), 14);
  const char16_t* groups[] = {u"Group", u"Group2", u"Group3", u"Group4", u"Group5", u"Group6"};
  h.ClearState();
  h.StartLine(u"(((((((", 0);
  for (int depth = 0; depth < 7; ++depth, h.Next())
    EXPECT_EQ(h.TokenStyle()->Name(), groups[std::min(depth, 5)]);
  for (int common = 0; common <= 5; ++common) EXPECT_EQ(h.CommonAttribute(common)->Name(), u"Unknown");
  EXPECT_TRUE(h.CaseSensitive());
}

}  // namespace
