// One table of built-in calls whose results are the same natively and under
// Wine, in qelu and in qel; the rows after the shared ones hold where the
// width of a character makes the builds differ.
#include <vector>

#include "builtin_call.h"
#include "runtime/value/array_rep.h"

using namespace runtime;

namespace {

struct Case {
  const char* name;
  Value receiver;
  BuiltinArgs args;
  Value want;
  const char* error = nullptr;
};

Value UInt32(uint32_t v) { return Raw(varLongWord, v); }
Value Empty() { return Value(); }
Value Build(const Text& text) {
  Value v;
  v.SetText(text);
  return v;
}

std::vector<Case> SharedCases() {
  return {
      // text
      {"length", Txt("hello"), {}, Int(5)},
      {"length", Int(12345), {}, Int(5)},
      {"length", Empty(), {}, Int(0)},
      {"lower", Txt("@Az[`aZ{ 1"), {}, Txt("@az[`az{ 1")},
      {"upper", Txt("@Az[`aZ{ 1"), {}, Txt("@AZ[`AZ{ 1")},
      {"subpos", Txt("hello"), {Txt("l")}, Int(2)},
      {"subpos", Txt("hello"), {Txt("z")}, Int(-1)},
      {"subpos", Txt("hello"), {}, Int(-1)},
      {"subpos", Txt("hello"), {Txt("")}, Int(0)},
      {"substr", Txt("hello"), {Int(-3)}, Txt("llo")},
      {"substr", Txt("hello"), {Int(1), Int(-1)}, Txt("ello")},
      {"substr", Txt("hello"), {Int(10)}, Txt("")},
      {"substr", Txt("hello"), {Int(-10), Int(3)}, Txt("hel")},
      {"substr", Txt("hello"), {Int(1), Int(2147483647)}, Txt("ello")},
      {"substr", Txt("hello"), {Int(2), Int(0)}, Txt("")},
      {"substr", Txt("hello"), {Int(1), Int(-5)}, Txt("")},
      {"substr", Txt("hello"), {{"len", Int(2)}}, Txt("he")},
      {"substr", Txt("hello"), {{"len", Int(2)}, {"pos", Int(3)}}, Txt("lo")},
      {"x", Txt("abc"), {Int(3)}, Txt("abcabcabc")},
      {"x", Txt("abc"), {Int(-1)}, Txt("cba")},
      {"x", Txt("bca"), {Int(-2)}, Txt("abc")},
      {"x", Txt("ab"), {Int(-3)}, Txt("")},
      {"x", Txt("ab"), {}, Txt("")},
      {"x", Txt(""), {Int(2147483647)}, Txt("")},
      {"x", Txt("abc"), {Int(2147483647)}, {}, "Text too long"},
      {"escape", Txt("a\\tb"), {}, Txt("a\tb")},
      {"escape", Txt("\\q\\\"\\'\\/\\?\\\\"), {}, Txt("\\q\"'/?\\")},
      {"escape", Txt("\\a\\b\\n\\v\\f\\r"), {}, Txt("\a\b\n\v\f\r")},
      {"escape", Txt("\\x41\\x4"), {}, Txt("A\\x4")},
      {"escape", Txt("end\\"), {}, Txt("end\\")},
      {"escape", Txt("\\xZZ"), {}, {}, "Cannot convert Text \"xZZ\" to Int32"},
      {"toByte", Txt("A"), {}, Int(65)},
      {"toByte", Txt("abc"), {{"pos", Int(2)}}, Int(99)},
      {"toByte", Txt(""), {Int(5)}, Int(0)},
      {"toByte", Txt("abc"), {Int(3)}, {}, "toByte: position 3 is outside the text of length 3"},
      {"toByte", Txt("abc"), {Int(-1)}, {}, "toByte: position -1 is outside the text of length 3"},
      {"toChar", Int(65), {}, Txt("A")},
      {"toChar", Int(0), {}, Build(Text(1, Char(0)))},
      {"toChar", Int(-1), {}, {}, "toChar: -1 is not a character code"},
      {"toChar", Int(70000), {}, {}, "toChar: 70000 is not a character code"},
      // digests
      {"md5", Txt("abc"), {}, Txt("900150983cd24fb0d6963f7d28e17f72")},
      {"md5", Txt(""), {}, Txt("d41d8cd98f00b204e9800998ecf8427e")},
      {"sha1", Txt("abc"), {}, Txt("a9993e364706816aba3e25717850c26c9cd0d89d")},
      // numbers
      {"exp", Int(0), {}, Dbl(1)},
      {"log", Int(1), {}, Dbl(0)},
      {"sin", Int(0), {}, Dbl(0)},
      {"cos", Txt("0"), {}, Dbl(1)},
      {"atan", Int(0), {}, Dbl(0)},
      {"log", Int(0), {}, {}, "Floating point division by zero"},
      {"log", Int(-1), {}, {}, "Invalid floating point operation"},
      {"exp", Int(1000), {}, {}, "Floating point overflow"},
      {"exp", Int(-1000), {}, Dbl(0)},
      {"sin", Txt("x"), {}, {}, "Cannot convert Text \"x\" to Double"},
      // formatting and conversions
      {"format", Int(42), {Txt("00000")}, Txt("00042")},
      {"format", Dbl(1234.5), {Txt("#,##0.00")}, Txt("1,234.50")},
      {"format", Raw(varUInt64, 18446744073709551615u), {Txt("#,##0")}, Txt("18,446,744,073,709,551,615")},
      {"format", Date(46366.5), {Txt("yyyy-mm-dd hh:nn")}, Txt("2026-12-10 12:00")},
      {"format", Date(46366.5), {}, Txt("2026-12-10 12:00:00")},
      {"format", Txt("%d-%s|%5.1f"), {Int(5), Txt("a"), Dbl(2.25)}, Txt("5-a|  2.3")},
      {"format", Bool(true), {Txt("%d")}, Txt("True")},
      {"format", Txt("%d"), {Txt("x")}, {}, "Format \"%d\" needs an integer, not Text \"x\""},
      {"toStr", Int(5), {}, Txt("5")},
      {"toStr", Null(), {}, Txt("")},
      {"toTime", Txt(" 2026-12-10 12:00 "), {}, Date(46366.5)},
      {"toTime", Txt("2026/12/10"), {}, {}, "Cannot convert Text \"2026/12/10\" to Date"},
      {"toNum", Txt("12"), {}, Int(12)},
      {"toNum", Txt(" -7 "), {}, Int(-7)},
      {"toNum", Txt("3000000000"), {}, Int64(3000000000)},
      {"toNum", Txt("1.5e1"), {}, Dbl(15)},
      {"toNum", Txt("0x1F"), {}, UInt32(31)},
      {"toNum", Txt("0xFFFFFFFF"), {}, UInt32(4294967295u)},
      {"toNum", Txt("-0x1F"), {}, Int(-31)},
      {"toNum", Txt("0b101"), {}, UInt32(5)},
      {"toNum", Txt("12abc"), {}, {}, "Cannot convert Text \"12abc\" to Double"},
      {"toNum", Txt(""), {}, {}, "Cannot convert Text \"\" to Double"},
      {"toNum", Txt("-"), {}, {}, "Cannot convert Text \"-\" to Double"},
      {"toNum", Int(5), {{"ptr", Int(-1)}}, Int(5)},
      {"toNum", Int64(0x100000002), {{"ptr", Int(-1)}}, Int(2)},
      {"toNum", Dbl(1), {{"ptr", Int(-1)}}, Int(0)},
      {"toNum", Bool(true), {{"ptr", Int(-1)}}, Int(65535)},
      {"toNum", U16(std::u16string_view(u"\0\0\0\u4004", 4)), {Int(3)}, Dbl(2.5)},
      {"toNum", Ansi(std::string_view("\0\0\xC0\x3F", 4), 1252), {Int(2)}, Dbl(1.5)},
      {"toNum", Ansi("ABC", 1252), {Int(1)}, {}, "toNum: the text is too short for an Int32"},
      {"toNum", U16(u"ABC"), {Int(3)}, {}, "toNum: the text is too short for a Double"},
      {"toNum", Txt(""), {Int(2)}, {}, "toNum: the text is too short for a Single"},
      {"toNum", Txt("12"), {Int(7)}, Empty()},
      // time and the program
      {"time", Int(2024), {}, UInt32(20250820)},
      {"time", Txt("2099"), {}, UInt32(20250820)},
      {"time", Txt("no such file"), {}, Date(0)},
      {"time", Txt("no such file"), {Int(1)}, Date(0)},
      {"time", Txt("no such file"), {Int(2)}, {}, "time: the kind of a file time must be 0 or 1"},
      {"size", Txt("no such file"), {}, UInt32(0)},
      {"@uthor", Txt("K vo"), {}, Txt("Keep it small")},
      {"@uthor", Txt("k vo"), {}, Txt("The Qel developers")},
  };
}

#ifdef QEL_ANSI
std::vector<Case> BuildCases() {
  return {
      {"length", U16(u"ab"), {}, Int(2)},
      {"escape", Txt("\\u4E2D"), {}, Txt("\\u4E2D")},
      {"escape", Txt("\\xE1"), {}, Build("\xE1")},
      {"toChar", Int(225), {}, Build("\xE1")},
      {"toChar", Int(300), {}, {}, "toChar: 300 is not a character code"},
      {"toByte", Build("a\xE1"), {Int(1)}, Int(225)},
      {"x", Build("\xE1\x41"), {Int(-2)}, Build("A\xE1")},
      {"md5", Build("\xE1"), {}, Txt("2eece4376cee1433d0e9f200deb75408")},
      {"toNum", Txt("ABCD"), {Int(1)}, Int(1145258561)},
      {"toNum", Txt("AB"), {Int(1)}, {}, "toNum: the text is too short for an Int32"},
  };
}
#else
std::vector<Case> BuildCases() {
  return {
      {"length", U16(u"\u4E2Dx"), {}, Int(2)},
      {"md5", U16(u"\u0161\u0162c"), {}, Txt("900150983cd24fb0d6963f7d28e17f72")},
      {"escape", Txt("\\u4E2D\\u41"), {}, U16(u"\u4E2D\\u41")},
      {"escape", Txt("\\uZZZZ"), {}, {}, "Cannot convert Text \"xZZZZ\" to Int32"},
      {"toChar", Int(0x4E2D), {}, U16(u"\u4E2D")},
      {"toChar", Int(65535), {}, U16(u"\uFFFF")},
      {"toByte", U16(u"a\u4E2D"), {Int(1)}, Int(0x4E2D)},
      {"x", U16(u"\u4E2Dba"), {Int(-2)}, U16(u"ab\u4E2D")},
      {"x", U16(u"\u4E2Dba"), {Int(-1)}, U16(u"ab\u4E2D")},
      {"toNum", Txt("AB"), {Int(1)}, Int(4325441)},
      {"toNum", Txt("A"), {Int(1)}, {}, "toNum: the text is too short for an Int32"},
  };
}
#endif

void Check(const std::vector<Case>& cases) {
  for (const Case& c : cases)
    ExpectOutcome([&] { return CallBuiltin(c.name, c.receiver, c.args); }, c.want, c.error,
                  std::string(c.name) + " on " + Show(c.receiver));
}

}  // namespace

TEST(BuiltinCases, SharedByBothBuilds) { Check(SharedCases()); }

TEST(BuiltinCases, WhereTheWidthOfACharacterDiffers) { Check(BuildCases()); }

TEST(BuiltinCases, ArraysToText) {
  Value bytes;
  bytes.AdoptArray(ArrayRep::MakeBytes(std::string_view("A\0\x7F", 3)));
  EXPECT_TRUE(SameValue(CallBuiltin("toStr", bytes), Build(Text{Char('A'), Char(0), Char(0x7F)})));
  const ArrayBound bounds[] = {{1, 2}};
  Value variants;
  variants.AdoptArray(ArrayRep::Make(varVariantArray, bounds));
  variants.MutableArray()->Element(1) = Int(7);
  EXPECT_TRUE(SameValue(CallBuiltin("toStr", variants, {{"index", Int(2)}}), Int(7)));
  EXPECT_TRUE(CallBuiltin("toStr", variants, {Int(1)}).IsEmpty());
  EXPECT_EQ(BuiltinError("toStr", variants, {Int(3)}), "Array index out of bounds");
  EXPECT_EQ(BuiltinError("toStr", variants), "Array index out of bounds");
}

// Sizes are computed in 64 bits: 65536 x 65536 code units would wrap to 0 in
// the 32-bit build, and anything past the limit fails before allocating.
TEST(BuiltinCases, RepetitionRefusesSizesPastTheLimit) {
  const Value wide = Build(Text(65536, Char('a')));
  EXPECT_EQ(BuiltinError("x", wide, {Int(65536)}), "Text too long");
  EXPECT_EQ(BuiltinError("x", Build(Text(1 << 14, Char('a'))), {Int((1 << 13) + 1)}), "Text too long");
  EXPECT_EQ(TextLength(CallBuiltin("x", wide, {Int(3)})), size_t(3 * 65536));
}
