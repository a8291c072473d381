// "@toJson"'s writer: brackets, names, layout, quoting and repeated objects.
#include <clocale>
#include <cmath>
#include <limits>
#include <locale>

#include "runtime/error.h"
#include "runtime/json/json_syntax.h"
#include "runtime/json/json_reader.h"
#include "json_fixture.h"
#include "support/live_object.h"
#include "runtime/tree/value_node.h"

using namespace runtime;

using JsonWriter = JsonTest;

TEST_F(JsonWriter, ListsAreWrittenOnOneLineWithoutSpaces) {
  ObjectPtr list(List({Item(Int(1)), Item(Txt("a")), Item(Bool(true)), Item(Null()), Item(Value())}));
  EXPECT_EQ(Write(list.get()), R"([1,"a",true,null,null])");
  EXPECT_EQ(Write(list.get(), 0, true), R"([1,"a",true,null,null])");
}

TEST_F(JsonWriter, NamesAndBracesFollowTheKindOfObjectAndTheMode) {
  ObjectPtr list(List({Named("x", Item(Int(1))), Item(Int(2))}));
  EXPECT_EQ(Write(list.get()), "[x:1,2]");
  EXPECT_EQ(Write(list.get(), 0, true), R"({"x":1,"1":2})");
  ObjectPtr record(Record({Named("a", Item(Int(1))), Item(Int(2)), Named("1b", List({}))}));
  EXPECT_EQ(Write(record.get()), R"({a:1,"":2,"1b":[]})");
  EXPECT_EQ(Write(record.get(), 0, true), R"({"a":1,"1":2,"1b":[]})");
}

// JSON has no named members in lists: a list with a name anywhere is written
// as an object, its unnamed members under their positions.
TEST_F(JsonWriter, JsonListsWithANamedMemberAnywhereBecomeObjects) {
  ObjectPtr namedLater(List({Item(Int(1)), Named("k", Item(Int(2)))}));
  EXPECT_EQ(Write(namedLater.get()), "[1,k:2]");
  EXPECT_EQ(Write(namedLater.get(), 0, true), R"({"0":1,"k":2})");
  EXPECT_EQ(Write(namedLater.get(), 1, true), "{\r\n \"0\": 1,\r\n \"k\": 2\r\n}");
  ObjectPtr holes(List({Item(Int(1))}));
  holes->Members()->PutAt(2, Named("last", Item(Int(3))));
  EXPECT_EQ(Write(holes.get(), 0, true), R"({"0":1,"1":null,"last":3})");
  ObjectPtr nested(Record({Named("in", List({Item(Bool(true)), Named("n", Item(Null()))})), Item(Txt("t"))}));
  EXPECT_EQ(Write(nested.get(), 0, true), R"({"in":{"0":true,"n":null},"1":"t"})");
  EXPECT_EQ(Write(nested.get(), 2, true), "{\r\n \"in\": {\r\n  \"0\": true,\r\n  \"n\": null\r\n },\r\n \"1\": \"t\"\r\n}");
  ObjectPtr read(ReadJsonText(Widen(Write(namedLater.get(), 0, true)), true));
  EXPECT_EQ(Describe(read.get()), "{0=1 k=2}");
}

TEST_F(JsonWriter, FormatLaysOutThatManyLevelsOneMemberPerLine) {
  ObjectPtr object(Record({Named("a", Item(Int(1))), Named("b", List({Item(Int(2)), List({Item(Int(3))})}))}));
  struct {
    int32_t format;
    const char* text;
  } cases[] = {
      {0, "{a:1,b:[2,[3]]}"},
      {1, "{\r\n a: 1,\r\n b: [2,[3]]\r\n}"},
      {2, "{\r\n a: 1,\r\n b: [\r\n  2,\r\n  [3]\r\n ]\r\n}"},
      {-1, "123"},
  };
  for (auto& c : cases) EXPECT_EQ(Write(object.get(), c.format), c.text) << c.format;
  ObjectPtr empty(List({}));
  EXPECT_EQ(Write(empty.get(), 1), "[\r\n]");
}

TEST_F(JsonWriter, NegativeFormatRunsTheValuesTogetherUnquoted) {
  ObjectPtr list(List({Item(Txt("a b")), Named("n", Item(Dbl(0.5))), Item(Bool(false)), Item(Null())}));
  EXPECT_EQ(Write(list.get(), -1, true), "a b0.5falsenull");
}

TEST_F(JsonWriter, TextsTakeTheFirstQuoteThatTheyDoNotContain) {
  struct {
    const char* text;
    const char* written;
  } cases[] = {
      {"", R"("")"},
      {"abc", R"("abc")"},
      {"it's `x`", R"("it's `x`")"},
      {R"(say "hi")", R"('say "hi"')"},
      {R"(a"b'c)", R"(`a"b'c`)"},
      {R"(`a"'``b`)", R"(```a"'````b```)"},
  };
  for (auto& c : cases) {
    ObjectPtr list(List({Item(Txt(c.text))}));
    EXPECT_EQ(Write(list.get()), std::string("[").append(c.written) + "]") << c.text;
  }
}

TEST_F(JsonWriter, NamesStayBareOnlyWhenTheyAreIdentifiersOutsideJson) {
  struct {
    const char* name;
    const char* plain;
    const char* json;
  } cases[] = {
      {"x", "x", R"("x")"},
      {"@$_Z9", "@$_Z9", R"("@$_Z9")"},
      {"9a", R"("9a")", R"("9a")"},
      {"a b", R"("a b")", R"("a b")"},
      {"é", R"("é")", R"("é")"},
      {R"(q"t)", R"('q"t')", R"("q\"t")"},
  };
  for (auto& c : cases) {
    ObjectPtr record(Record({Named(c.name, Item(Int(1)))}));
    EXPECT_EQ(Write(record.get()), std::string("{").append(c.plain) + ":1}") << c.name;
    EXPECT_EQ(Write(record.get(), 0, true), std::string("{").append(c.json) + ":1}") << c.name;
  }
}

TEST_F(JsonWriter, JsonEscapesSpecialCharactersAndReplacesOtherControlCharacters) {
  ObjectPtr list(List({Item(Txt("a\"b\\c\t\n\r\b\f\x01\x0b\x1f/é中"))}));
  EXPECT_EQ(Write(list.get(), 0, true), R"(["a\"b\\c\t\n\r\b\f.../é中"])");
}

TEST_F(JsonWriter, DatesAreQuotedAndMarkedOutsideJson) {
  ObjectPtr list(List({Item(Date(46366)), Item(Date(46366.5))}));
  EXPECT_EQ(Write(list.get()), R"([@"2026-12-10",@"2026-12-10 12:00:00"])");
  EXPECT_EQ(Write(list.get(), 0, true), R"(["2026-12-10","2026-12-10 12:00:00"])");
  ObjectPtr read(ReadJsonText(Widen(Write(list.get())), false));
  EXPECT_EQ(Describe(read.get()), "[@2026-12-10 @2026-12-10 12:00:00]");
}

TEST_F(JsonWriter, AnObjectReachedAgainIsWrittenAsObjectButDistinctOnesAreWrittenInFull) {
  ObjectPtr self(List({Item(Int(1))}));
  CValue* back = Item(Value());
  back->OwnValue().SetObject(self.get());
  self->Members()->Add(back);
  EXPECT_EQ(Write(self.get()), R"x([1,"(Object)"])x");

  ObjectPtr empties(List({List({}), List({}), Record({}), Record({})}));
  EXPECT_EQ(Write(empties.get()), "[[],[],{},{}]");

  ObjectPtr shared(List({Item(Int(2))}));
  ObjectPtr twice(List({Item(Value()), Item(Value())}));
  for (int i = 0; i < 2; ++i) twice->Members()->At(i)->OwnValue().SetObject(shared.get());
  EXPECT_EQ(Write(twice.get(), 0, true), R"x([[2],"(Object)"])x");
}

TEST_F(JsonWriter, OtherObjectReferencesAreWrittenAsObject) {
  auto* other = new LiveObject();
  ObjectPtr list(List({Item(Value())}));
  list->Members()->At(0)->OwnValue().SetCountedObject(other);
  other->Release();
  EXPECT_EQ(Write(list.get(), 0, true), R"x(["(Object)"])x");
}

TEST_F(JsonWriter, HolesInAListAreWrittenAsNull) {
  ObjectPtr list(List({Item(Int(1))}));
  list->Members()->PutAt(2, Item(Int(3)));
  EXPECT_EQ(Write(list.get(), 0, true), "[1,null,3]");
}

TEST_F(JsonWriter, NonFiniteNumbersAreNullInJsonAndReadBackOtherwise) {
  const double inf = std::numeric_limits<double>::infinity();
  Value single;
  single.SetSingle(-std::numeric_limits<float>::infinity());
  ObjectPtr list(List({Item(Dbl(std::nan(""))), Item(Dbl(inf)), Item(single), Item(Dbl(-1.5))}));
  EXPECT_EQ(Write(list.get(), 0, true), "[null,null,null,-1.5]");
  const std::string plain = Write(list.get());
  EXPECT_EQ(plain, "[NaN,1E+400,-1E+400,-1.5]");
  EXPECT_EQ(DescribeRead(plain.c_str(), false), "['NaN' INFd -INFd -1.5d]");
}

// Numbers are written and read with "." also under a locale whose decimal
// separator is ",".
TEST_F(JsonWriter, NumbersUseAPointWhateverTheLocale) {
  struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  const std::string cLocale = std::setlocale(LC_ALL, nullptr);
  for (const char* name : {"de_DE.UTF-8", "de_DE", "German_Germany.1252", "fr_FR.UTF-8"})
    if (std::setlocale(LC_ALL, name)) break;
  ObjectPtr list(List({Item(Dbl(1.5)), Item(Dbl(-2.25e-7))}));
  const std::string written = Write(list.get(), 0, true);
  ObjectPtr read(ReadJsonText(Widen(written), true));
  std::setlocale(LC_ALL, cLocale.c_str());
  std::locale::global(previous);
  EXPECT_EQ(written, "[1.5,-2.25E-7]");
  EXPECT_EQ(Describe(read.get()), "[1.5d -2.25E-7d]");
}

TEST_F(JsonWriter, NestingBeyondTheDepthLimitRaises) {
  auto nested = [](int32_t depth) {
    CObjectInstance* object = List({});
    for (int32_t i = 1; i < depth; ++i) object = List({object});
    return ObjectPtr(object);
  };
  ObjectPtr deepest = nested(kJsonDepthLimit);
  EXPECT_EQ(Write(deepest.get()).size(), size_t(2 * kJsonDepthLimit));
  ObjectPtr tooDeep = nested(kJsonDepthLimit + 1);
  try {
    Write(tooDeep.get());
    FAIL() << "no error";
  } catch (const EScriptError& e) {
    EXPECT_STREQ(e.what(), "JSON nesting deeper than 500 levels");
  }
}

#ifdef QEL_ANSI
TEST_F(JsonWriter, GbkKeepsTheSecondByteOfATwoByteCharacterUnescaped) {
  ObjectPtr list(List({Item(Txt("\x81\x5c|\x81\n|\x80\\"))}));
  TJsonOptions options;
  options.json = true;
  EXPECT_EQ(Write(list.get(), options), "[\"\x81\\\\|\x81\\n|\x80\\\\\"]");
  options.gbk = true;
  EXPECT_EQ(Write(list.get(), options), "[\"\x81\\|\x81\\n|\x80\\\\\"]");
  // A lead byte at the end has no second byte to take.
  ObjectPtr cut(List({Item(Txt("a\x81"))}));
  EXPECT_EQ(Write(cut.get(), options), "[\"a\x81\"]");
}
#else
TEST_F(JsonWriter, GbkChangesNothingInQelu) {
  ObjectPtr list(List({Item(Txt("中\\"))}));
  TJsonOptions options;
  options.json = true;
  options.gbk = true;
  EXPECT_EQ(Write(list.get(), options), R"(["中\\"])");
}
#endif
