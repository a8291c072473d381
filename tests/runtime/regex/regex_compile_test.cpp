#include "regex_fixture.h"

using namespace runtime;

namespace {

struct OptionCase {
  uint8_t options;
  const char* pattern;
  const char* subject;
  const char* match;  // nullptr: no match
};

// Each option once with and once without its bit, and newline ANY (CR and
// CR LF end lines; "." stops at CR) that is set in every case.
const OptionCase kOptionCases[] = {
    {0, "abc", "xABC", nullptr},          {kCaseless, "abc", "xABC", "ABC"},
    {0, "^b", "a\nb", nullptr},           {kMultiline, "^b", "a\nb", "b"},
    {kMultiline, "^b", "a\rb", "b"},      {kMultiline, "a$", "a\r\nb", "a"},
    {0, "a.b", "a\nb", nullptr},          {kDotAll, "a.b", "a\nb", "a\nb"},
    {0, "a.b", "a\rb", nullptr},          {kDotAll, "a.b", "a\rb", "a\rb"},
    {0, "a b", "ab", nullptr},            {kExtended, "a b # c", "ab", "ab"},
    {0, "b", "ab", "b"},                  {kAnchored, "b", "ab", nullptr},
    {0, "a+", "aaa", "aaa"},              {kUngreedy, "a+", "aaa", "a"},
    {0, "^.$", "\xC3\xA9", nullptr},      {kUtf8, "^.$", "\xC3\xA9", "\xC3\xA9"},
    {kUtf8 | kCaseless, "\xC3\xA9", "\xC3\x89", "\xC3\x89"},
};

TEST(RegexCompile, OptionByteSelectsPcreOptions) {
  for (const OptionCase& c : kOptionCases) {
    CRegex engine;
    engine.SetOptions(c.options);
    engine.SetPattern(c.pattern);
    engine.SetSubject(c.subject);
    EXPECT_EQ(NextMatch(engine), Expected(c.match)) << c.pattern << " options " << int(c.options);
  }
}

TEST(RegexCompile, NoAutoCaptureKeepsOnlyNamedGroups) {
  CRegex engine;
  engine.SetPattern("(a)(?<n>b)");
  engine.SetSubject("ab");
  ASSERT_TRUE(engine.MatchNext());
  EXPECT_EQ(engine.GroupCount(), 3);
  EXPECT_EQ(engine.Group(1), "a");
  engine.SetOptions(kNoAutoCapture);
  engine.SetSubject("ab");
  ASSERT_TRUE(engine.MatchNext());
  EXPECT_EQ(engine.GroupCount(), 2);
  EXPECT_EQ(engine.Group(1), "b");
}

struct BadPattern {
  std::string_view pattern;
  uint8_t options;
  const char* message;
};

// Raw bytes reach PCRE unchecked by us: bad UTF-8 and a NUL are its or our
// errors, never a crash or a shortened pattern.
const BadPattern kBadPatterns[] = {
    {"", 0, "RE Compile() - Please specify a regular expression in Pattern first"},
    {"a(", 0, "RE Compile() - Error in regex at offset 2: missing )"},
    {"x{2,1}", 0, "RE Compile() - Error in regex at offset 5: numbers out of order in {} quantifier"},
    {std::string_view("a\0b", 3), 0, "RE Compile() - Error in regex at offset 1: NUL character in the pattern"},
    {"a\xFF", kUtf8, "RE Compile() - Error in regex at offset 1: invalid UTF-8 string"},
};

TEST(RegexCompile, BadPatternsRaiseAtTheFirstSearch) {
  for (const BadPattern& c : kBadPatterns) {
    CRegex engine;
    engine.SetOptions(c.options);
    engine.SetPattern(std::string(c.pattern));
    engine.SetSubject("ab");
    EXPECT_EQ(ErrorOf([&] { engine.MatchNext(); }), c.message);
  }
}

TEST(RegexCompile, PatternAndOptionChangesCompileAgain) {
  CRegex engine;
  engine.SetPattern("A(");
  engine.SetSubject("a");
  EXPECT_THROW(engine.MatchNext(), EScriptError);
  engine.SetPattern("A");
  EXPECT_FALSE(engine.MatchNext());
  engine.SetOptions(kCaseless);
  engine.SetSubject("a");
  EXPECT_TRUE(engine.MatchNext());
}

TEST(RegexCompile, CaptureCountAndNameTable) {
  CRegex engine;
  engine.SetPattern("(a)(?<second>b)(?:c)(?<first>d)");
  EXPECT_EQ(engine.CaptureCount(), 3);
  const std::vector<RegexGroupName> names = engine.NameTable();
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0].name, "first");
  EXPECT_EQ(names[0].number, 3);
  EXPECT_EQ(names[1].name, "second");
  EXPECT_EQ(names[1].number, 2);
  EXPECT_EQ(engine.NamedGroup("first"), 3);
  EXPECT_LT(engine.NamedGroup("third"), 0);
}

}  // namespace
