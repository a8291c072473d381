// Methods of match values: groups by number and by name, templates, and
// match values that outlive the operation that made them.
#include "rxlib_fixture.h"

using namespace runtime;

namespace {

class MatchMethods : public RegexTest {
protected:
  // m over "on 2024-05 ok"; group 3 is left unset, so the result count is 3.
  void MatchDate() {
    Var("m");
    Set("m", Method(Regex("/(?<y>\\d+)-(?<mo>\\d+)(x)?/"), "match", {Const("on 2024-05 ok")}));
  }
};

TEST_F(MatchMethods, GroupsByNumberOrByName) {
  MatchDate();
  struct Key {
    CValue* node;
    const char* text;
  };
  const std::string manyNines(400, '9');
  const std::vector<Key> keys = {
      // present groups by number, digit text and name
      {Const(0), "2024-05"}, {Const(1), "2024"}, {Const(2), "05"}, {Const("2"), "05"}, {Const("0002"), "05"},
      {Const("y"), "2024"}, {Const("mo"), "05"},
      // unset, at or past the result count, negative
      {Const(3), ""}, {Const(4), ""}, {Const(100), ""}, {Const(2147483647), ""}, {Const("99999999999"), ""},
      {Const(manyNines.c_str()), ""}, {Const(-1), ""},
      // taken as names: no group has them
      {Const("-1"), ""}, {Const(1.0), ""}, {Const("zz"), ""}, {Const("Y"), ""}, {Null(), ""},
  };
  std::string expected;
  for (const Key& key : keys) {
    PrintComma(Concat(Concat(Const("["), Method("m", "groups", {key.node})), Const("]")));
    expected += std::string("[") + key.text + "] ";
  }
  Print(Method("m", "@", {Const("y")}));
  Print(Concat(Concat(Const("["), Method("m", "groups")), Const("]")));
  EXPECT_EQ(Run(), expected + "2024\n[]\n");
}

TEST_F(MatchMethods, ValueExpandsATemplate) {
  MatchDate();
  PrintComma(Method("m", "value", {Const("$2/$1")}));
  PrintComma(Method("m", "@@", {Const("${y}\\U1$&")}));
  PrintComma(Method("m", "@@"));
  PrintComma(Method("m", "GCOUNT"));
  EXPECT_EQ(Run(), "05/2024 202420242024-05 2024-05 3 ");
}

TEST_F(MatchMethods, AMatchValueKeptByAnActionGoesOnAfterTheOperation) {
  Var("kept");
  Func("keep", {"m"}, [&] {
    Set("kept", Name("m"));
    Return(Method("m", "value"));
  });
  PrintComma(Method(Regex("/\\d/"), "match", {Const("a1b2c3"), Name("keep")}));
  for (const char* name : {"value", "rest", "match", "value", "missed"}) PrintComma(Method("kept", name));
  EXPECT_EQ(Run(), "1 1 b2c3 True 2 b ");
}

TEST_F(MatchMethods, AMatchValueOutlivesItsRegex) {
  Var("m");
  Set("m", Method(Method(Const("(\\d)"), "toRegex"), "match", {Const("a1b2")}));
  Do(Method("m", "match"));
  PrintComma(Method("m", "groups", {Const(1)}));
  EXPECT_EQ(Run(), "2 ");
}

}  // namespace
