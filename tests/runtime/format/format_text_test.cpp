// Printf-like text patterns with script values as arguments.
#include <gtest/gtest.h>

#include <limits>

#include "runtime/format/text_format.h"
#include "format_fixture.h"
#include "runtime/value/array_rep.h"

using namespace runtime;

namespace {

struct TextCase {
  const char* pattern;
  std::vector<Value> args;
  const char* want;
  const char* error = nullptr;
};

void RunTexts(const std::vector<TextCase>& cases) {
  for (const TextCase& c : cases)
    ExpectFormatted([&] { return FormatText(T(c.pattern), c.args); }, c.want, c.error, c.pattern);
}

}  // namespace

TEST(FormatText, Integers) {
  RunTexts({
      {"%d", {Int(42)}, "42"},
      {"[%5d]", {Int(42)}, "[   42]"},
      {"[%-5d]", {Int(42)}, "[42   ]"},
      {"[%05d]", {Int(42)}, "[   42]"},
      {"%.5d", {Int(-42)}, "-00042"},
      {"%D", {Raw(varShortInt, 0xFF)}, "-1"},
      {"%d", {Int64(std::numeric_limits<int64_t>::min())}, "-9223372036854775808"},
      {"%d", {Raw(varUInt64, ~uint64_t(0))}, "18446744073709551615"},
      {"%u", {Int(-1)}, "4294967295"},
      {"%u", {Int64(-1)}, "18446744073709551615"},
      {"%x", {Int(255)}, "FF"},
      {"%X", {Int(255)}, "FF"},
      {"%.4x", {Int(255)}, "00FF"},
      {"%x", {Int(-1)}, "FFFFFFFF"},
      {"%x", {Int64(-2)}, "FFFFFFFFFFFFFFFE"},
      {"%p", {Int(4096)}, "00001000"},
      {"%d", {Dbl(1.5)}, nullptr, "Format \"%d\" needs an integer, not Double 1.5"},
      {"%d", {Dbl(2)}, nullptr, "Format \"%d\" needs an integer, not Double 2"},
      {"%5d", {Txt("12")}, nullptr, "Format \"%5d\" needs an integer, not Text \"12\""},
      {"%x", {Bool(true)}, nullptr, "Format \"%x\" needs an integer, not Boolean"},
      {"%u", {Value()}, nullptr, "Format \"%u\" needs an integer, not Empty"},
  });
}

TEST(FormatText, FloatingNumbers) {
  RunTexts({
      {"%f", {Dbl(3.14159)}, "3.14"},
      {"%.3f", {Dbl(3.14159)}, "3.142"},
      {"[%8.2f]", {Dbl(3.14159)}, "[    3.14]"},
      {"[%-8.2f]", {Dbl(3.14159)}, "[3.14    ]"},
      {"%.0f", {Dbl(2.5)}, "3"},
      {"%.2f", {Dbl(2.675)}, "2.68"},
      {"%.2f", {Dbl(-0.001)}, "0.00"},
      {"%.20f", {Dbl(0.1)}, "0.10000000000000000000"},
      {"%f", {Int(7)}, "7.00"},
      {"%f", {Cur(1.2345)}, "1.23"},
      {"%f", {Date(1.5)}, "1.50"},
      {"%n", {Dbl(1234567.891)}, "1,234,567.89"},
      {"%.0n", {Dbl(999.5)}, "1,000"},
      {"%n", {Dbl(-123)}, "-123.00"},
      {"%e", {Dbl(12345.678)}, "1.23456780000000E+004"},
      {"%.3e", {Dbl(12345.678)}, "1.23E+004"},
      {"%.3e", {Dbl(-0.00012345)}, "-1.23E-004"},
      {"%.1e", {Dbl(9.5)}, "1E+001"},
      {"%.2e", {Dbl(0)}, "0.0E+000"},
      {"%e", {Dbl(1e-300)}, "1.00000000000000E-300"},
      {"%g", {Dbl(0.1 + 0.2)}, "0.3"},
      {"%g", {Dbl(1e15)}, "1E+15"},
      {"%g", {Dbl(123456789012345.0)}, "123456789012345"},
      {"%g", {Dbl(0.00001)}, "0.00001"},
      {"%g", {Dbl(-0.0000015)}, "-1.5E-6"},
      {"%.3g", {Dbl(1234.5)}, "1.23E+3"},
      {"%.3g", {Dbl(123.45)}, "123"},
      {"%g", {Int(10)}, "10"},
      {"%g", {Sgl(0.1f)}, "0.1"},
      {"%f|%e|%g", {Dbl(kNaN), Dbl(kInf), Dbl(-kInf)}, "NaN|INF|-INF"},
      {"%f", {Txt("abc")}, nullptr, "Format \"%f\" needs a number, not Text \"abc\""},
      {"%.2f", {Value()}, nullptr, "Format \"%.2f\" needs a number, not Empty"},
      {"%g", {Bool(false)}, nullptr, "Format \"%g\" needs a number, not Boolean"},
  });
}

TEST(FormatText, Texts) {
  Value bytes;
  bytes.AdoptArray(ArrayRep::MakeBytes("ab"));
  RunTexts({
      {"%s", {Txt("abc")}, "abc"},
      {"[%5s]", {Txt("abc")}, "[  abc]"},
      {"[%-5s]", {Txt("abc")}, "[abc  ]"},
      {"%.2s", {Txt("abc")}, "ab"},
      {"[%4.1s]", {Txt("abc")}, "[   a]"},
      {"%S|%s|%s|%s", {Dbl(0.1), Bool(true), Date(46366), Value()}, "0.1|True|2026-12-10|"},
      {"%s", {bytes}, nullptr, "Cannot convert Byte array to Text"},
  });
}

TEST(FormatText, StarsIndexesAndPercent) {
  RunTexts({
      {"[%*d]", {Int(5), Int(42)}, "[   42]"},
      {"[%-*d]", {Int(4), Int(1)}, "[1   ]"},
      {"[%*d]", {Int(-4), Int(1)}, "[1   ]"},
      {"%.*f", {Int(1), Dbl(2.25)}, "2.3"},
      {"[%*.*f]", {Int(7), Int(2), Dbl(3.14159)}, "[   3.14]"},
      {"%.*f", {Int(-3), Dbl(2.25)}, "2.25"},
      {"%1:s %0:s", {Txt("a"), Txt("b")}, "b a"},
      {"%1:s %s", {Txt("a"), Txt("b"), Txt("c")}, "b c"},
      {"%0:s%0:s", {Txt("a")}, "aa"},
      {"%*:s", {Int(2), Txt("a"), Txt("b")}, "b"},
      {"100%%", {}, "100%"},
      {"a%%b%d", {Int(1)}, "a%b1"},
      {"%d", {Int(1), Int(2)}, "1"},
      {"", {}, ""},
      {"plain", {}, "plain"},
  });
}

TEST(FormatText, BadDirectivesAndTooFewArguments) {
  RunTexts({
      {"%s %s", {Txt("a")}, nullptr, "Format \"%s\": too few arguments (1 given)"},
      {"%d", {}, nullptr, "Format \"%d\": too few arguments (0 given)"},
      {"%3:s", {Txt("a"), Txt("b")}, nullptr, "Format \"%3:s\": too few arguments (2 given)"},
      {"%*d", {Int(3)}, nullptr, "Format \"%*d\": too few arguments (1 given)"},
      {"%*d", {Txt("x"), Int(1)}, nullptr, "Format \"%*d\" needs an integer, not Text \"x\""},
      {"%.*f", {Dbl(1), Dbl(1)}, nullptr, "Format \"%.*f\" needs an integer, not Double 1"},
      {"abc %5", {}, nullptr, "Format \"%5\": incomplete directive"},
      {"%", {}, nullptr, "Format \"%\": incomplete directive"},
      {"%q", {}, nullptr, "Format \"%q\": unknown type"},
      {"%m", {Int(1)}, nullptr, "Format \"%m\": unknown type"},
      {"%5-d", {Int(1)}, nullptr, "Format \"%5-d\": bad directive"},
      {"%1:2:d", {Int(1)}, nullptr, "Format \"%1:2:d\": bad directive"},
      {"%.1.2f", {Dbl(1)}, nullptr, "Format \"%.1.2f\": bad directive"},
      {"%5000d", {Int(1)}, nullptr, "Format \"%5000d\": width or precision above 4096"},
      {"%.99999999999999d", {Int(1)}, nullptr, "Format \"%.99999999999999d\": width or precision above 4096"},
      {"%*d", {Int(100000), Int(1)}, nullptr, "Format \"%*d\": width or precision above 4096"},
      {"%*d", {Int(-2147483647 - 1), Int(1)}, nullptr, "Format \"%*d\": width or precision above 4096"},
  });
}

TEST(FormatText, OtherCharactersPassThrough) {
  const Char other = Char(sizeof(Char) == 1 ? 0xE4 : 0x125);  // low byte of U+0125 is "%"
  Text pattern = Text{other} + T("%d") + Text{other};
  std::vector<Value> args{Int(7)};
  EXPECT_EQ(FormatText(pattern, args), Text{other} + T("7") + Text{other});
}
