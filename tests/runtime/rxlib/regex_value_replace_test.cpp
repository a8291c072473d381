// "replace" of regular-expression values: templates, actions, "g", and the
// 8-bit text of engine bytes it gives.
#include "rxlib_fixture.h"

using namespace runtime;

namespace {

class RegexReplace : public RegexTest {};

struct ReplaceCase {
  const char* literal;
  const char* subject;
  const char* replacement;
  const char* result;
};

class ReplaceTemplates : public RegexReplace, public testing::WithParamInterface<ReplaceCase> {};

TEST_P(ReplaceTemplates, ExpandForEachMatch) {
  const ReplaceCase& c = GetParam();
  Print(Method(Regex(c.literal), "replace", {Const(c.subject), Const(c.replacement)}));
  EXPECT_EQ(Run(), std::string(c.result) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceTemplates,
                         testing::Values(ReplaceCase{"/o/g", "boo", "0", "b00"},
                                         ReplaceCase{"/o/", "boo", "0", "b0o"},
                                         ReplaceCase{"/z/g", "boo", "0", "boo"},
                                         ReplaceCase{"/(\\w)(\\d)/g", "a1b2", "$2$1", "1a2b"},
                                         ReplaceCase{"/(?<w>[a-z]+)/", "ab cd", "\\U1-${w}", "AB-ab cd"},
                                         ReplaceCase{"/O/gi", "bOo", "[$&]", "b[O][o]"},
                                         ReplaceCase{"/x*/g", "ab", "-", "-a-b-"}));

TEST_F(RegexReplace, AnActionGivesTheTextOfEachMatch) {
  TagFunction("tag");
  PrintComma(Method(Regex("/o/g"), "replace", {Const("boo"), Name("tag")}));
  PrintComma(Method(Regex("/o/"), "replace", {Const("boo"), Name("tag")}));
  EXPECT_EQ(Run(), "b<o><o> b<o>o ");
}

TEST_F(RegexReplace, WithoutAReplacementMatchesAreRemoved) {
  Print(Method(Regex("/o/g"), "replace", {Const("boo")}));
  EXPECT_EQ(Run(), "b\n");
}

TEST_F(RegexReplace, GivesAnEightBitTextOfTheEngineBytes) {
  Var("r");
  Set("r", Method(Regex("/l/g"), "replace", {Utf8("h\xC3\xA9llo"), Const("L")}));
  Print(Concat(Name("r"), Const("!")));
  Run();
  EXPECT_EQ(VariableValue("r").Type(), varString);
  EXPECT_EQ(Context().output, Widen("h\xC3\xA9LLo!\n"));
}

}  // namespace
