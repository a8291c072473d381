#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/parse/literal_value.h"
#include "support/text_util.h"

using namespace runtime;

namespace {

using Kind = TNumberLiteral::Kind;

struct IntegerCase {
  const char* text;
  Kind kind;
  int64_t value;
};

struct DoubleCase {
  const char* text;
  double value;
};

constexpr double kInfinity = std::numeric_limits<double>::infinity();

}  // namespace

TEST(NumberLiteral, Integers) {
  IntegerCase cases[] = {
      {"0", Kind::kInt32, 0},
      {"007", Kind::kInt32, 7},
      {"-12", Kind::kInt32, -12},
      {"+12", Kind::kInt32, 12},
      {"2147483647", Kind::kInt32, 2147483647},
      {"2147483648", Kind::kInt64, 2147483648},
      {"-2147483648", Kind::kInt32, -2147483647 - 1},
      {"-2147483649", Kind::kInt64, -2147483649},
      {"9223372036854775807", Kind::kInt64, std::numeric_limits<int64_t>::max()},
      {"-9223372036854775808", Kind::kInt64, std::numeric_limits<int64_t>::min()},
      {"0b101", Kind::kUInt32, 5},
      {"0B0", Kind::kUInt32, 0},
      {"0x1F", Kind::kUInt32, 31},
      {"0Xff", Kind::kUInt32, 255},
      {"0xFFFFFFFF", Kind::kUInt32, 0xFFFFFFFF},
      {"-0x1F", Kind::kInt32, -31},
      {"+0x1F", Kind::kUInt32, 31},
      {"-0xFFFFFFFF", Kind::kInt64, -0xFFFFFFFFll},
      {"-0b1", Kind::kInt32, -1},
  };
  for (const IntegerCase& c : cases) {
    const TNumberLiteral n = ReadNumberLiteral(Widen(c.text));
    EXPECT_EQ(n.kind, c.kind) << c.text;
    EXPECT_EQ(n.integer, c.value) << c.text;
  }
}

TEST(NumberLiteral, HexAndBinaryBeyond32BitsKeepTheLow32Bits) {
  IntegerCase cases[] = {
      {"0x100000000", Kind::kUInt32, 0},
      {"0x123456789", Kind::kUInt32, 0x23456789},
      {"0xFFFFFFFFFFFFFFFFFFFF", Kind::kUInt32, 0xFFFFFFFF},
      {"0b100000000000000000000000000000001", Kind::kUInt32, 1},
      {"0b1111111111111111111111111111111111111111", Kind::kUInt32, 0xFFFFFFFF},
      {"0b10000000000000000000000000000000", Kind::kUInt32, 0x80000000},
  };
  for (const IntegerCase& c : cases) {
    const TNumberLiteral n = ReadNumberLiteral(Widen(c.text));
    EXPECT_EQ(n.kind, c.kind) << c.text;
    EXPECT_EQ(n.integer, c.value) << c.text;
  }
}

TEST(NumberLiteral, Doubles) {
  DoubleCase cases[] = {
      {"1e3", 1000},
      {"1.5", 1.5},
      {".5", 0.5},
      {"-.5", -0.5},
      {"2.5E-3", 0.0025},
      {"0.1e1", 1},
      {"9223372036854775808", 9223372036854775808.0},
      {"-99999999999999999999", -1e20},
      {"1e400", kInfinity},
      {"-1e400", -kInfinity},
      {"1e-400", 0},
  };
  for (const DoubleCase& c : cases) {
    const TNumberLiteral n = ReadNumberLiteral(Widen(c.text));
    EXPECT_EQ(n.kind, Kind::kDouble) << c.text;
    EXPECT_EQ(n.real, c.value) << c.text;
  }
  EXPECT_TRUE(std::signbit(ReadNumberLiteral(Widen("-1e-400")).real));
}

TEST(StringLiteral, Unquoting) {
  struct {
    const char* token;
    const char* unquoted;
    const char* stripped;
  } cases[] = {
      {"'a''b'", "a'b", "a''b"},
      {"\"say \"\"hi\"\"\"", "say \"hi\"", "say \"\"hi\"\""},
      {"`a``b`", "a`b", "a``b"},
      {"'a\"\"b'", "a\"\"b", "a\"\"b"},
      {"`a`w`b`", "a`w`b", "a`w`b"},
      {"''", "", ""},
      {"''''", "'", "''"},
      {"x", "x", "x"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Narrow(UnquoteString(Widen(c.token))), c.unquoted) << c.token;
    EXPECT_EQ(Narrow(StripQuotes(Widen(c.token))), c.stripped) << c.token;
  }
}
