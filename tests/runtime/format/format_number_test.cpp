// Numeric patterns: digit places, thousands, exponents, sections and the
// rounding of the digits a value shows.
#include <gtest/gtest.h>

#include <limits>

#include "runtime/format/number_format.h"
#include "format_fixture.h"

using namespace runtime;

namespace {

struct NumberCase {
  Value number;
  const char* pattern;
  const char* want;
  const char* error = nullptr;
};

void RunNumbers(const std::vector<NumberCase>& cases) {
  for (const NumberCase& c : cases)
    ExpectFormatted([&] { return FormatNumber(c.number, T(c.pattern)); }, c.want, c.error,
                    Show(c.number) + " by " + c.pattern);
}

}  // namespace

TEST(FormatNumber, DigitPlacesAndThousands) {
  RunNumbers({
      {Dbl(1234.567), "0.00", "1234.57"},
      {Dbl(1234.567), "#,##0.00", "1,234.57"},
      {Dbl(1234567.891), "#,##0.00", "1,234,567.89"},
      {Dbl(1234567), "0,000", "1,234,567"},
      {Dbl(1234), "#,#", "1,234"},
      {Dbl(123), "#,##0", "123"},
      {Dbl(5), "000", "005"},
      {Dbl(5), "0,000", "0,005"},
      {Dbl(12345), "00", "12345"},
      {Dbl(12345), "00-00", "123-45"},
      {Dbl(5), "#", "5"},
      {Dbl(0), "#", ""},
      {Dbl(0.5), "#.##", ".5"},
      {Dbl(0.5), "0.##", "0.5"},
      {Dbl(1), "0.##", "1"},
      {Dbl(1.5), "0.0#", "1.5"},
      {Dbl(1.256), "0.0#", "1.26"},
      {Dbl(12.5), ".00", "12.50"},
      {Dbl(1.5), "0.0.0", "1.50"},
      {Dbl(0), "0.00", "0.00"},
      {Int(-5), "0", "-5"},
      {Dbl(42), "$#,##0.00", "$42.00"},
      {Dbl(-42), "$#,##0.00", "-$42.00"},
      {Dbl(0.5), "0%", "1%"},
      {Dbl(5), "\"#\"0", "#5"},
      {Dbl(5), "'a;b' 0", "a;b 5"},
      {Dbl(7), "abc", "abc"},
  });
}

TEST(FormatNumber, RoundsTheShownDigitsHalfAwayFromZero) {
  RunNumbers({
      {Dbl(0.125), "0.00", "0.13"},
      {Dbl(-0.125), "0.00", "-0.13"},
      {Dbl(2.5), "0", "3"},
      {Dbl(-2.5), "0", "-3"},
      {Dbl(1.005), "0.00", "1.01"},
      {Dbl(2.675), "0.00", "2.68"},
      {Dbl(9.995), "0.00", "10.00"},
      {Dbl(999.5), "#,##0", "1,000"},
      {Dbl(0.1 + 0.2), "0.0000000000000000", "0.3000000000000000"},
      {Dbl(123456789012345678.0), "0", "123456789012346000"},
      {Dbl(1e20), "#,##0", "100,000,000,000,000,000,000"},
      {Sgl(0.1f), "0.000000000", "0.100000000"},
      {Cur(1234.5678), "0.00", "1234.57"},
      {Cur(-0.005), "0.00", "-0.01"},
      {Int64(std::numeric_limits<int64_t>::max()), "#,##0", "9,223,372,036,854,775,807"},
      {Raw(varUInt64, ~uint64_t(0)), "0", "18446744073709551615"},
      {Txt("12.25"), "0.0", "12.3"},
      {Txt("abc"), "0", nullptr, "Cannot convert Text \"abc\" to Double"},
  });
}

TEST(FormatNumber, SectionsForNegativeAndZero) {
  RunNumbers({
      {Dbl(1.5), "0.00;(0.00)", "1.50"},
      {Dbl(-1.5), "0.00;(0.00)", "(1.50)"},
      {Dbl(-1.26), "0.00;-0.0", "-1.3"},
      {Dbl(0), "0.00;(0.00);zero", "zero"},
      {Dbl(-0.001), "0.00;(0.00);zero", "zero"},
      {Dbl(0.001), "0.00;(0.00);zero", "zero"},
      {Dbl(-0.001), "0.00;(0.00)", "0.00"},
      {Dbl(-0.001), "0.00", "0.00"},
      {Dbl(-0.0), "0.0", "0.0"},
      {Dbl(-2), "0;;zero", "-2"},
      {Dbl(0), "0;-0;", "0"},
      {Dbl(-3), "'+'0;'neg '0", "neg 3"},
      {Dbl(0.1), "", "0.1"},
      {Dbl(-2.5), ";x", "-2.5"},
      {Int(12), ";x;y", "12"},
  });
}

TEST(FormatNumber, Exponents) {
  RunNumbers({
      {Dbl(12345), "0.00E+00", "1.23E+04"},
      {Dbl(12345), "0.00E-00", "1.23E04"},
      {Dbl(0.00012345), "0.00E-00", "1.23E-04"},
      {Dbl(0.00012345), "0.00e+0", "1.23e-4"},
      {Dbl(12345), "00.0E+0", "12.3E+3"},
      {Dbl(12345), "0E+", "1E+4"},
      {Dbl(0), "0.00E+00", "0.00E+00"},
      {Dbl(9.996), "0.00E+00", "1.00E+01"},
      {Dbl(-12345), "0.0E+000", "-1.2E+004"},
      {Dbl(1.5e300), "0.0E+0", "1.5E+300"},
      {Dbl(123), "0E+0 'units'", "1E+2 units"},
      {Dbl(123), "0E+0 00", "1E+2 00"},
      {Dbl(123), "0E3", "123E3"},
  });
}

TEST(FormatNumber, SpecialValuesAndBadPatterns) {
  RunNumbers({
      {Dbl(std::numeric_limits<double>::quiet_NaN()), "0.00", "NaN"},
      {Dbl(std::numeric_limits<double>::infinity()), "0.00", "INF"},
      {Dbl(-std::numeric_limits<double>::infinity()), "0;(0)", "-INF"},
      {Dbl(1), "0;0;0;0", nullptr, "Number pattern \"0;0;0;0\": more than three sections"},
      {Dbl(1), "0 'abc", nullptr, "Number pattern \"0 'abc\": quote not closed"},
      {Dbl(1), "0;'x", nullptr, "Number pattern \"0;'x\": quote not closed"},
  });
}

TEST(FormatNumber, OtherCharactersPassThrough) {
  const Char other = Char(sizeof(Char) == 1 ? 0xE4 : 0x4E2D);
  Text pattern = Text{other} + T("0.0") + Text{other};
  EXPECT_EQ(FormatNumber(Dbl(1.25), pattern), Text{other} + T("1.3") + Text{other});
}

// A Double shows its 15 significant digits, whether its shortest form has
// fewer, more, or it is subnormal.
TEST(FormatNumber, DoublesShowFifteenSignificantDigits) {
  const char* all = "0.00000000000000000E+000";
  RunNumbers({
      {Dbl(0.1 + 0.2), all, "3.00000000000000000E-001"},
      {Dbl(2.0 / 3.0), all, "6.66666666666667000E-001"},
      {Dbl(-2.0 / 3.0), all, "-6.66666666666667000E-001"},
      {Dbl(123456789012345.67), all, "1.23456789012346000E+014"},
      {Dbl(999999999999999.9), all, "1.00000000000000000E+015"},
      {Dbl(1e23), all, "1.00000000000000000E+023"},
      {Dbl(5e-324), all, "4.94065645841247000E-324"},
      {Dbl(std::numeric_limits<double>::min()), all, "2.22507385850720000E-308"},
      {Dbl(std::numeric_limits<double>::max()), all, "1.79769313486232000E+308"},
      {Dbl(1.5), all, "1.50000000000000000E+000"},
      {Dbl(0.1), all, "1.00000000000000000E-001"},
      {Dbl(-1234.5678), all, "-1.23456780000000000E+003"},
      {Dbl(123456789012345.0), all, "1.23456789012345000E+014"},
      {Dbl(1e15 + 2), all, "1.00000000000000000E+015"},
      {Dbl(0.00015), all, "1.50000000000000000E-004"},
      {Dbl(2.675), "0.00", "2.68"},
  });
}

// More patterns in turn than are kept parsed, and a bad pattern between them.
TEST(FormatNumber, PatternsUsedInTurnKeepTheirOwnMeaning) {
  const std::vector<NumberCase> round = {
      {Dbl(1234.5), "0.00", "1234.50"},   {Dbl(1234.5), "#,##0", "1,235"},  {Dbl(1234.5), "0.0E+0", "1.2E+3"},
      {Dbl(-1234.5), "0;(0)", "(1235)"},  {Dbl(0), "0;(0);zero", "zero"},   {Dbl(1234.5), "'n'0", "n1235"},
      {Dbl(1), "0 'abc", nullptr, "Number pattern \"0 'abc\": quote not closed"},
  };
  for (int pass = 0; pass < 3; ++pass) RunNumbers(round);
}
