// The JSON reader: what it builds from strict JSON, from the language's own
// notation and from text it cannot fully place.
#include <string>
#include <utility>

#include "runtime/json/json_reader.h"
#include "runtime/json/json_syntax.h"
#include "json_fixture.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"

using namespace runtime;

namespace {

struct ReadCase {
  const char* text;
  bool json;
  const char* described;
};

void ExpectReads(std::initializer_list<ReadCase> cases) {
  for (const ReadCase& c : cases) EXPECT_EQ(DescribeRead(c.text, c.json), c.described) << c.text << " json " << c.json;
}

}  // namespace

using JsonReader = JsonTest;

TEST_F(JsonReader, BuildsListsForBracketsAndRecordsForBraces) {
  ExpectReads({
      {R"({"a":1,"b":[true,null]})", true, "{a=1 b=[true null]}"},
      {R"({"a":1,"b":[true,null]})", false, "{a=1 b=[true null]}"},
      {"[1,2]", true, "[1 2]"},
      {"{}", true, "{}"},
      {R"({"a":{"b":[]},"c":{}})", true, "{a={b=[]} c={}}"},
      {"[[1,[2]],3]", false, "[[1 [2]] 3]"},
  });
}

TEST_F(JsonReader, TheLanguagesOwnNotationReadsLikeJson) {
  ExpectReads({
      {"{a=1;b=2}", false, "{a=1 b=2}"},
      {"[x:'it''s',\"q\",`b``q`]", false, "[x='it's' 'q' 'b`q']"},
      {"[nil,null,true,false,True,NULL,abc,$x,@y,a1@Z_]", false,
       "[null null true false 'True' 'NULL' 'abc' '$x' '@y' 'a1@Z_']"},
      {"[@\"2026-12-10\",@'2026-12-10 13:05:00',@`13:05`]", false,
       "[@2026-12-10 @2026-12-10 13:05:00 @13:05:00]"},
      {"[@\"2026-12-10\"]", true, "[@2026-12-10]"},
      {"{1:2,'a b':3,\"\":4}", false, "{1=2 a b=3 4}"},
  });
}

TEST_F(JsonReader, NumbersFollowTheRuleOfNumberLiterals) {
  ExpectReads({
      {"[0x1F,0XfF,-1.5e3,1e3,.5,0,-0,+7]", true, "[31u 255u -1500d 1000d 0.5d 0 0 7]"},
      {"[2147483647,2147483648,-2147483649,99999999999999999999]", true,
       "[2147483647 2147483648L -2147483649L 1E+20d]"},
      {"[0x123456789]", true, "[591751049u]"},
      {"[0b101, -0x10, -0B11, +0xA]", true, "[5u -16 -3 10u]"},
      {"[0b101,-0x10]", false, "[5u -16]"},
  });
}

TEST_F(JsonReader, TextsThatAreNoNumberOrDateRaiseTheConversionError) {
  ExpectReads({
      {"[1-2]", true, "Cannot convert Text \"1-2\" to Int64"},
      {"[-]", false, "Cannot convert Text \"-\" to Int64"},
      {"[1.2.3]", true, "Cannot convert Text \"1.2.3\" to Double"},
      {"[0x]", true, "Cannot convert Text \"0x\" to Int64"},
      {"[0b102]", true, "Cannot convert Text \"0b102\" to Int64"},
      {"[0x1G]", false, "Cannot convert Text \"0x1G\" to Int64"},
      {"[1a]", false, "Cannot convert Text \"1a\" to Int64"},
      {"[-Infinity]", true, "Cannot convert Text \"-Infinity\" to Int64"},
      {"[@'2023-02-29']", false, "Cannot convert Text \"2023-02-29\" to Date"},
      {"[\"\\xZZ\"]", true, "Cannot convert Text \"xZZ\" to Int32"},
  });
}

TEST_F(JsonReader, ElementsAreStoredOnlyBySeparatorsAndClosingBrackets) {
  ExpectReads({
      {"1,2", true, "[1]"},
      {"5", true, "none"},
      {"", true, "none"},
      {"]", true, "none"},
      {"1,[2]", true, "[1 [2]]"},
      {"[1,,2,]", true, "[1 2]"},
      {"[1 2]", true, "[2]"},
      {"[\"\",'']", false, "['' '']"},
      {"[1,[2,3", true, "[1 [2]]"},
      {"[1]]],2,", true, "[1 2]"},
  });
}

TEST_F(JsonReader, CharactersItCannotPlaceAreSkipped) {
  ExpectReads({
      {"[(1)#%&*+/<>?\\^|~!]", true, "[1]"},
      {"[é1, 中 2]", true, "[1 2]"},
      {"\t[\r\n1 ,\n 2 ]\n", true, "[1 2]"},
  });
}

TEST_F(JsonReader, NamedMembersReplaceEarlierOnesOfTheSameName) {
  ExpectReads({
      {R"({"a":1,"b":2,"A":3})", true, "{A=3 b=2}"},
      {R"({"a":[1],"a":{"c":2}})", true, "{a={c=2}}"},
  });
}

// Long records find earlier names through their index, short ones by search;
// either way every name is found afterwards.
TEST_F(JsonReader, NamesRepeatedInLongRecordsReplaceAndAreFound) {
  std::string text = "{";
  for (int i = 0; i < 40; ++i) text += "\"m" + std::to_string(i) + "\":" + std::to_string(i) + ",";
  text += "\"M5\":-5,\"m39\":-39,\"new\":1}";
  ObjectPtr object(ReadJsonText(T(text.c_str()), true));
  ASSERT_TRUE(object);
  EXPECT_EQ(object->MemberCount(), 41);
  for (const auto& [name, value] : {std::pair{"m5", -5}, {"m6", 6}, {"M39", -39}, {"New", 1}}) {
    CValue* member = object->FindMember(T(name));
    ASSERT_TRUE(member) << name;
    EXPECT_EQ(member->ValueRef().AsInt32Raw(), value) << name;
  }
  EXPECT_EQ(object->Members()->IndexOfName(T("m5")), 5);
  EXPECT_EQ(object->Members()->IndexOfName(T("m40")), -1);
}

TEST_F(JsonReader, JsonStringsEndOnlyAtAnUnescapedQuoteAndAreUnescaped) {
  ExpectReads({
      {R"(["a\"b"])", true, "['a\"b']"},
      {R"(["a\"b"])", false, "[]"},  // the string ends at the escaped quote
      {R"(["\\"])", true, "['\\']"},
      {R"(['it\'s'])", true, "['it's']"},
      {R"(["\t\/\x41\q"])", true, "['\t/A\\q']"},
      {R"({"a\nb":1})", true, "{a\nb=1}"},
      {"[\"abc", true, "[]"},
      {"[\"abc\\", true, "[]"},
  });
#ifdef QEL_ANSI
  ExpectReads({{R"(["\u4E2D"])", true, "['\\u4E2D']"}});
#else
  ExpectReads({{R"(["\u4E2D\ud83d\ude00"])", true, "['中😀']"}});
#endif
}

TEST_F(JsonReader, NestingBeyondTheDepthLimitRaisesAndLeavesNothingBehind) {
  const Text deepest = Text(size_t(kJsonDepthLimit), Char('[')) + QT("1");
  EXPECT_EQ(DescribeRead(deepest, true).substr(0, 5), "[[[[[");
  const std::string tooDeep = "JSON nesting deeper than 500 levels";
  EXPECT_EQ(DescribeRead(QT("[") + deepest, true), tooDeep);
  EXPECT_EQ(DescribeRead(Text(100000, Char('[')), false), tooDeep);
  Text records;
  for (int i = 0; i < 100000; ++i) records += QT("{\"a\":");
  EXPECT_EQ(DescribeRead(records, true), tooDeep);
}

TEST_F(JsonReader, GetJsonGivesACountedReferenceAndAnEmptyListForNothing) {
  for (const char* text : {"5", "[7]"}) {
    Value result;
    GetJson(Widen(text), false, result);
    ASSERT_EQ(result.Type(), varCountedObject);
    CObjectValue* object = ScriptObjectOf(result);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->RefCount(), 1);
    EXPECT_EQ(Describe(object), text[0] == '5' ? "[]" : "[7]");
  }
}
