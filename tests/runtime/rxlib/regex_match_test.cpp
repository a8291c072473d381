// "match" of regular-expression values: lists, match values and actions,
// reached as a method, through the match operators and from case branches.
#include "rxlib_fixture.h"

using namespace runtime;

namespace {

class RegexMatch : public RegexTest {};

TEST_F(RegexMatch, GlobalWithoutActionListsEveryMatch) {
  Var("all");
  Set("all", Method(Regex("/(\\d+)/g"), "match", {Const("a1b22")}));
  Print(Method("all", "@count"));
  Print(Index(Name("all"), Const(0)));
  Print(Index(Name("all"), Const(1)));
  If(Method(Regex("/x/g"), "match", {Const("a1")}), [&] { Print(Const("empty list is true")); },
     [&] { Print(Const("empty list is false")); });
  EXPECT_EQ(Run(), "2\n1\n22\nempty list is false\n");
}

TEST_F(RegexMatch, WithoutGlobalGivesAMatchValueThatWalksOn) {
  Var("m");
  Set("m", Method(Regex("/(\\d+)/"), "match", {Const("a1b22c")}));
  for (const char* name : {"value", "missed", "rest", "gcount", "match", "value", "missed", "rest", "match",
                           "gcount", "missed", "value", "rest"})
    PrintComma(Method("m", name));
  EXPECT_EQ(Run(), "1 a b22c 2 True 22 b c False -1 c   ");
}

TEST_F(RegexMatch, MatchValueIsTrueWhileItHoldsAMatch) {
  Var("m");
  Set("m", Method(Regex("/\\d/"), "match", {Const("a1")}));
  If(Name("m"), [&] { PrintComma(Const("found")); });
  Do(Method("m", "match"));
  If(Name("m"), [&] { PrintComma(Const("still")); }, [&] { PrintComma(Const("spent")); });
  If(Method(Regex("/z/"), "match", {Const("a1")}), [&] { Print(Const("miss is true")); },
     [&] { Print(Const("miss is false")); });
  EXPECT_EQ(Run(), "found spent miss is false\n");
}

TEST_F(RegexMatch, ActionTextsJoinWithGlobalAndTakeTheFirstWithout) {
  TagFunction("tag");
  PrintComma(Method(Regex("/\\d/g"), "match", {Const("a1b2"), Name("tag")}));
  PrintComma(Method(Regex("/\\d/"), "match", {Const("a1b2"), Named("action", Name("tag"))}));
  PrintComma(Concat(Concat(Const("["), Method(Regex("/x/"), "match", {Const("a1"), Name("tag")})), Const("]")));
  EXPECT_EQ(Run(), "<1><2> <1> [] ");
}

TEST_F(RegexMatch, ADeferredCallIsAnActionAndOtherValuesAreNot) {
  Func("wrap", {"open", "m"}, [&] { Return(Concat(Name("open"), Method("m", "value"))); });
  PrintComma(Method(Regex("/\\d/g"), "match", {Const("a1b2"), Defer(Name("wrap"), {Const("[")})}));
  PrintComma(Method(Method(Regex("/\\d/"), "match", {Const("a1"), Const("not callable")}), "value"));
  EXPECT_EQ(Run(), "[1[2 1 ");
}

TEST_F(RegexMatch, ActionsMayDropTheRegexTheyRunFor) {
  Var("re");
  Func("drop", {"m"}, [&] {
    Set("re", Null());
    Return(Method("m", "value"));
  });
  Set("re", Method(Const("\\d"), "toRegex", {Const("g")}));
  Print(Method("re", "match", {Const("a1b2"), Name("drop")}));
  EXPECT_EQ(Run(), "12\n");
}

TEST_F(RegexMatch, AnErrorInAnActionLeavesNothingBehind) {
  Func("fail", {"m"}, [&] { Raise("stopped"); });
  Do(Method(Regex("/\\d/g"), "match", {Const("a1b2"), Name("fail")}));
  EXPECT_EQ(RunError(), "stopped");
}

TEST_F(RegexMatch, PatternErrorsAreScriptErrors) {
  Do(Method(Regex("/(/"), "match", {Const("a")}));
  EXPECT_EQ(RunError(), "RE Compile() - Error in regex at offset 1: missing )");
}

// A regex compiles once; every use still gets an engine, and so a match
// value, of its own, and a bad pattern fails every use.
TEST_F(RegexMatch, EachUseHasItsOwnEngine) {
  for (const char* name : {"re", "first", "second", "bad"}) Var(name);
  Set("re", Regex("/(\\d+)/"));
  Set("first", Method("re", "match", {Const("a1")}));
  Set("second", Method("re", "match", {Const("b22")}));
  for (const char* name : {"first", "second"}) {
    PrintComma(Method(name, "value"));
    PrintComma(Method(name, "missed"));
  }
  Set("bad", Regex("/(/"));
  for (int i = 0; i < 2; ++i)
    Try([&] { Do(Method("bad", "match", {Const("a")})); }, [&] { Print(Name("@")); });
  EXPECT_EQ(Run(), "1 a 22 b RE Compile() - Error in regex at offset 1: missing )\n"
                   "RE Compile() - Error in regex at offset 1: missing )\n");
}

// An engine nothing holds any more serves the next use as a new one would:
// no template or subject of the last use, and a kept match value walks on
// undisturbed by later uses.
TEST_F(RegexMatch, AnEngineUsedAgainStartsAfresh) {
  for (const char* name : {"re", "kept", "later"}) Var(name);
  Set("re", Regex("/(\\d+)/"));
  PrintComma(Method("re", "replace", {Const("a1b2"), Const("<$1>")}));
  Set("kept", Method("re", "match", {Const("x33y44")}));
  PrintComma(Method("re", "replace", {Const("c5")}));
  Set("later", Method("re", "match", {Utf8("\xC3\xA4" "6")}));
  for (const char* name : {"value", "missed", "rest"}) PrintComma(Method("later", name));
  Do(Method("kept", "match"));
  for (const char* name : {"value", "missed", "rest"}) PrintComma(Method("kept", name));
  Run();
  EXPECT_EQ(Context().output, Widen("a<1>b2 c 6 \xC3\xA4  44 y  "));
}

TEST_F(RegexMatch, AnEmptyPatternIsAScriptError) {
  Do(Method(Method(Const(""), "toRegex"), "match", {Const("a")}));
  EXPECT_EQ(RunError(), "RE Compile() - Please specify a regular expression in Pattern first");
}

TEST_F(RegexMatch, OperatorsAskTheChainFromEitherSide) {
  PrintComma(Method(Op(u'~', Regex("/\\d+/"), Const("ab12")), "value"));
  PrintComma(Method(Op(u'~', Const("ab12"), Regex("/\\d+/")), "missed"));
  PrintComma(Method(Op(u'~', Const("ab12"), Regex("/\\d/g")), "@count"));
  PrintComma(Op(u'$', Regex("/z/"), Const("ab12")));
  PrintComma(Op(u'$', Const("ab12"), Regex("/b/")));
  EXPECT_EQ(Run(), "12 ab 2 True False ");
}

TEST_F(RegexMatch, CaseBranchesMatchTheSelector) {
  Func("kind", {"v"}, [&] {
    Case(Name("v"),
         {{Regex("/^\\d+$/"), [&] { Return(Const("number")); }},
          {Regex("/^[a-z]+$/i"), [&] { Return(Concat(Const("word "), Name("@"))); }}},
         [&] { Return(Const("other")); });
  });
  for (const char* v : {"42", "Abc", "4a"}) PrintComma(Call(Name("kind"), {Const(v)}));
  EXPECT_EQ(Run(), "number word Abc other ");
}

TEST_F(RegexMatch, TextsGoThroughTheEngineBytesAndBack) {
  Var("m");
  Set("m", Method(Regex("/\\d/"), "match", {Utf8("\xC3\xA9" "1\xE2\x82\xAC")}));
  Print(Method("m", "missed"));
  Print(Method("m", "rest"));
  Run();
  EXPECT_EQ(Context().output, Widen("\xC3\xA9\n\xE2\x82\xAC\n"));
}

}  // namespace
