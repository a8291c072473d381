#include "runtime/regex/engine_text.h"
#include "regex_fixture.h"

using namespace runtime;

namespace {

struct TemplateCase {
  const char* pattern;
  const char* subject;
  const char* replacementTemplate;
  const char* expanded;
};

const TemplateCase kTemplateCases[] = {
    {"(a)(b)", "ab", "$1-$2", "a-b"},
    {"(a)", "a", "$10", "a0"},
    {"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", "abcdefghij", "$10|$11|\\10", "j|a1|j"},
    {"(a)", "a", "$$|\\$|\\\\|\\q|$q|$", "$|$|\\|\\q|$q|$"},
    {"(a)", "xay", "$&|$_|$`|$'", "a|xay|x|y"},
    {"(a)", "xay", "\\&|\\_|\\`|\\'", "a|\\_|x|y"},
    {"(a)", "a", "$5|\\5|${5}|${99999999999}", "|||"},
    {"(a)", "a", "${1}|${1|${-}|${", "a|${1|${-}|${"},
    {"(?<w>a)", "a", "${w}|\\g<w>|${zz}|\\g<zz>|\\g<w", "a|a|${zz}||\\g<w"},
    {"(a)(b)?", "a", "$+|\\+", "a|a"},
    {"a", "a", "[$+]", "[]"},
    {"(hello o'neil)", "hello o'neil", "\\I1", "Hello O'neil"},
    {"(aB)", "aB", "\\U1|\\L1|\\F1|\\u1|\\i1", "AB|ab|Ab|AB|Ab"},
    {"(a)", "a", "\\U|\\Ux|\\U9", "\\U|\\Ux|"},
};

TEST(RegexTemplate, Expansion) {
  for (const TemplateCase& c : kTemplateCases) {
    CRegex engine;
    Prepare(engine, c.pattern, c.subject);
    engine.SetTemplateText(Widen(c.replacementTemplate));
    ASSERT_TRUE(engine.MatchNext()) << c.pattern;
    EXPECT_EQ(engine.ComputeReplacement(), c.expanded) << c.replacementTemplate;
  }
}

// qelu converts through UTF-16, where ")" does not separate words; qel
// converts bytes in the system code page, where it does.
TEST(RegexTemplate, CaseConversionDependsOnTheBuild) {
  CRegex engine;
  Prepare(engine, "(.*)", "a)b");
  engine.SetTemplateText(Widen("\\I1"));
  ASSERT_TRUE(engine.MatchNext());
  EXPECT_EQ(engine.ComputeReplacement(), kUtf16Build ? "A)b" : "A)B");
#ifndef QEL_ANSI
  Prepare(engine, "(.*)", "été à 中", kUtf8);
  engine.SetTemplateText(u"\\U1|\\I1|\\F1");
  ASSERT_TRUE(engine.MatchNext());
  EXPECT_EQ(EngineText(engine.ComputeReplacement()), u"ÉTÉ À 中|Été À 中|Été à 中");
#endif
}

struct Utf16Case {
  std::u16string_view text;
  std::u16string_view capitals;
};

const Utf16Case kWordCapitals[] = {
    {u"hello o'neil", u"Hello O'neil"}, {u"a)b", u"A)b"},       {u"x-y z(w", u"X-Y Z(W"},
    {u"'abc", u"'Abc"},                 {u"ÉCOLE été", u"École Été"}, {u"a·b", u"A·B"},
    {u"a»b", u"A»b"},                   {u"", u""},
};

TEST(RegexTemplate, WordCapitalsOfUtf16) {
  for (const Utf16Case& c : kWordCapitals) EXPECT_TRUE(WordCapitals(c.text) == c.capitals);
  EXPECT_TRUE(FirstCapital(u"éTÉ hELLO") == u"Été hello");
  EXPECT_TRUE(FirstCapital(u"") == u"");
}

struct CodePageCase {
  int codePage;
  std::string_view text;
  std::string_view capitals;
};

// A double-byte character is passed over: neither separator nor capital.
const CodePageCase kCodePageWordCapitals[] = {
    {1252, "a)b", "A)B"},
    {1252, "hello o'neil", "Hello O'neil"},
    {1252, "\xE9t\xE9 x", "\xC9t\xE9 X"},
    {1252, "a\xB7" "b", "A\xB7" "B"},
    {1252, "a\xBB" "b", "A\xBB" "b"},
    {1252, "A\xD6\xD0" "B c", "A\xF6\xF0" "b C"},
    {936, "A\xD6\xD0" "B c", "A\xD6\xD0" "b C"},
    {936, "a\xB7" "b", "A\xB7" "b"},
    // A lead byte at the end stands alone.
    {936, "aB c\xD6", "Ab C\xD6"},
    {65001, "aB\xC3", "Ab\xC3"},
    {65001, "\xC3\xA9lan \xC3\x89T\xC3\x89", "\xC3\x89lan \xC3\x89t\xC3\xA9"},
    {65001, "a\xC2\xB7" "b", "A\xC2\xB7" "b"},
};

TEST(RegexTemplate, WordCapitalsOfCodePageBytes) {
  for (const CodePageCase& c : kCodePageWordCapitals) {
    EXPECT_EQ(CodePageWordCapitals(c.text, c.codePage), c.capitals) << c.codePage << " " << c.text;
  }
}

// A byte that does not decode keeps its value; the rest still change.
TEST(RegexTemplate, CodePageCaseKeepsBytesItCannotMap) {
  EXPECT_EQ(CodePageUpper("\xE9" "a", 1252), "\xC9" "A");
  EXPECT_EQ(CodePageLower("\xC9" "A", 1252), "\xE9" "a");
  EXPECT_EQ(CodePageUpper("a\xFF" "b\xC3\xA9", 65001), "A\xFF" "B\xC3\x89");
  EXPECT_EQ(CodePageUpper("\xD6\xD0" "a", 936), "\xD6\xD0" "A");
  EXPECT_EQ(CodePageFirstCapital("\xE9T\xC9", 1252), "\xC9t\xE9");
}

}  // namespace
