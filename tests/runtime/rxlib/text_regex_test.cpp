// The text built-ins "match", "replace" and "toRegex": with a regex argument
// they run its operation, with a text they search plainly.
#include "rxlib_fixture.h"

using namespace runtime;

namespace {

class TextRegex : public RegexTest {
protected:
  // "[" & value & "]", so that empty results show.
  CValue* Shown(CValue* value) { return Concat(Concat(Const("["), value), Const("]")); }
};

TEST_F(TextRegex, MatchWithARegexRunsItsMatch) {
  TagFunction("tag");
  PrintComma(Method(Method(Const("a1b22"), "match", {Regex("/\\d+/")}), "rest"));
  PrintComma(Method(Method(Const("a1b22"), "match", {Regex("/\\d+/g")}), "@count"));
  PrintComma(Method(Const("a1b22"), "match", {Regex("/\\d+/g"), Named("action", Name("tag"))}));
  EXPECT_EQ(Run(), "b22 2 <1><22> ");
}

TEST_F(TextRegex, MatchWithATextLooksForItCaseSensitively) {
  PrintComma(Method(Const("abc"), "match", {Const("bc")}));
  PrintComma(Method(Const("abc"), "match", {Const("BC")}));
  PrintComma(Shown(Method(Const("abc"), "match")));
  EXPECT_EQ(Run(), "True False [] ");
}

TEST_F(TextRegex, ReplaceWithARegexRunsItsReplace) {
  TagFunction("tag");
  PrintComma(Method(Const("a1b22"), "replace", {Regex("/\\d+/g"), Const("#")}));
  PrintComma(Method(Const("a1b22"), "replace", {Regex("/\\d+/"), Name("tag")}));
  EXPECT_EQ(Run(), "a#b# a<1>b22 ");
}

TEST_F(TextRegex, ReplaceWithATextReplacesEveryOccurrenceIgnoringCase) {
  PrintComma(Method(Const("aBcbd"), "replace", {Const("b"), Const("-")}));
  PrintComma(Method(Const("a$1"), "replace", {Const("$1"), Const("$&")}));
  PrintComma(Shown(Method(Const("abc"), "replace")));
  EXPECT_EQ(Run(), "a-c-d a$& [] ");
}

TEST_F(TextRegex, ToRegexMakesACountedRegexValue) {
  Var("re");
  Set("re", Method(Const("A+"), "toRegex", {Const("gi")}));
  Print(Method(Name("re"), "replace", {Const("caAab"), Const("-")}));
  Run();
  CRegexValue* regex = RegexValueOf(VariableValue("re"));
  ASSERT_NE(regex, nullptr);
  EXPECT_EQ(VariableValue("re").Type(), varCountedObject);
  EXPECT_EQ(regex->Flags(), T("gi"));
  EXPECT_EQ(Context().Output(), "c-b\n");
}

}  // namespace
