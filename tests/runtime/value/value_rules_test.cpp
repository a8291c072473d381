// Conversion, arithmetic and comparison rules of script values, as tables.
// The same cases run in both builds and under Wine.
#include <gtest/gtest.h>

#include <limits>

#include "support/fake_interface.h"
#include "support/value_makers.h"
#include "runtime/value/arith.h"
#include "runtime/value/array_rep.h"
#include "runtime/value/predicates.h"

using namespace runtime;

namespace {

constexpr double kHour = 1.0 / 24;

// A script object stand-in whose truth is fixed.
class TruthObject : public CBase {
public:
  explicit TruthObject(bool truth) : truth_(truth) {}
  bool TruthValue() const override { return truth_; }

private:
  bool truth_;
};

TruthObject gFilled(true);
TruthObject gHollow(false);

Value Bytes(std::string_view bytes) {
  Value x;
  x.AdoptArray(ArrayRep::MakeBytes(bytes));
  return x;
}

struct ConversionCase {
  Value in;
  VarType to;
  Value want;
  const char* error = nullptr;
};

void RunConversions(const std::vector<ConversionCase>& cases) {
  for (size_t i = 0; i < cases.size(); ++i) {
    const ConversionCase& c = cases[i];
    ExpectOutcome(
        [&] {
          Value out;
          ChangeType(out, c.in, c.to);
          return out;
        },
        c.want, c.error, "case " + std::to_string(i) + " " + Show(c.in) + " to " + std::to_string(c.to));
  }
}

}  // namespace

TEST(ValueConversion, FloatingToIntegerRoundsHalfToEven) {
  RunConversions({
      {Dbl(2.5), varInteger, Int(2)},
      {Dbl(3.5), varInteger, Int(4)},
      {Dbl(-2.5), varInteger, Int(-2)},
      {Dbl(0.5), varInteger, Int(0)},
      {Dbl(1.5), varInteger, Int(2)},
      {Dbl(2.4999), varInteger, Int(2)},
      {Dbl(-3.5), varInt64, Int64(-4)},
      {Sgl(2.5f), varInteger, Int(2)},
      {Cur(2.5), varInteger, Int(2)},
      {Cur(3.5), varInteger, Int(4)},
      {Cur(-2.5), varInteger, Int(-2)},
      {Cur(-2.5001), varInteger, Int(-3)},
      {Date(1.75), varInteger, Int(2)},
      {Wide("2.5"), varInteger, Int(2)},
  });
}

TEST(ValueConversion, IntegersOutsideTheTargetRangeOverflow) {
  RunConversions({
      {Dbl(1e10), varInteger, {}, "Overflow converting Double 10000000000 to Int32"},
      {Dbl(2147483647.4), varInteger, Int(2147483647)},
      {Dbl(2147483647.5), varInteger, {}, "Overflow converting Double 2147483647.5 to Int32"},
      {Dbl(-2147483648.5), varInteger, Int(INT32_MIN)},
      {Dbl(kNaN), varInteger, {}, "Overflow converting Double NaN to Int32"},
      {Dbl(9.3e18), varInt64, {}, "Overflow converting Double 9.3E+18 to Int64"},
      {Int(128), varShortInt, {}, "Overflow converting Int32 128 to Int8"},
      {Int(-128), varShortInt, Raw(varShortInt, 0x80)},
      {Int(255), varByte, Raw(varByte, 255)},
      {Int(-1), varByte, {}, "Overflow converting Int32 -1 to UInt8"},
      {Int(-32769), varSmallint, {}, "Overflow converting Int32 -32769 to Int16"},
      {Int(65535), varWord, Raw(varWord, 65535)},
      {Int(-1), varLongWord, {}, "Overflow converting Int32 -1 to UInt32"},
      {Int64(4294967295), varLongWord, Raw(varLongWord, 4294967295)},
      {Int64(INT64_MAX), varInteger, {}, "Overflow converting Int64 9223372036854775807 to Int32"},
      {Wide("12345678901234567890"), varUInt64, Raw(varUInt64, 12345678901234567168u)},
      {Wide("18446744073709551616"), varUInt64, {}, "Overflow converting Text \"18446744073709551616\" to UInt64"},
      {Int(-1), varUInt64, {}, "Overflow converting Int32 -1 to UInt64"},
      {Raw(varUInt64, UINT64_MAX), varUInt64, Raw(varUInt64, UINT64_MAX)},
      {Dbl(1e39), varSingle, {}, "Overflow converting Double 1E+39 to Single"},
      {Dbl(3.4028234e38), varSingle, Sgl(3.4028234e38f)},
      {Int64(1000000000000000), varCurrency, {}, "Overflow converting Int64 1000000000000000 to Currency"},
      {Int(-7), varCurrency, Cur(-7)},
  });
}

TEST(ValueConversion, TextToNumber) {
  RunConversions({
      {Txt("  12 "), varInteger, Int(12)},
      {Txt("\t-12\r\n"), varInteger, Int(-12)},
      {Txt("+7"), varInteger, Int(7)},
      {Txt("1e3"), varInteger, Int(1000)},
      {Txt("12abc"), varInteger, {}, "Cannot convert Text \"12abc\" to Int32"},
      {Txt(""), varInteger, {}, "Cannot convert Text \"\" to Int32"},
      {Txt("1 2"), varInteger, {}, "Cannot convert Text \"1 2\" to Int32"},
      {Txt("1,000"), varInteger, {}, "Cannot convert Text \"1,000\" to Int32"},
      {Txt("0x10"), varInteger, {}, "Cannot convert Text \"0x10\" to Int32"},
      {Txt("--1"), varInteger, {}, "Cannot convert Text \"--1\" to Int32"},
      {Txt("1e"), varDouble, {}, "Cannot convert Text \"1e\" to Double"},
      {Txt("."), varDouble, {}, "Cannot convert Text \".\" to Double"},
      {Txt("inf"), varDouble, {}, "Cannot convert Text \"inf\" to Double"},
      {Txt("nan"), varDouble, {}, "Cannot convert Text \"nan\" to Double"},
      {Txt(".5"), varDouble, Dbl(0.5)},
      {Txt("5."), varDouble, Dbl(5)},
      {Txt("-1.25E-2"), varDouble, Dbl(-0.0125)},
      {Txt("1e400"), varDouble, {}, "Overflow converting Text \"1e400\" to Double"},
      {Txt("1e-400"), varDouble, Dbl(0)},
      {Txt("9223372036854775807"), varInt64, Int64(INT64_MAX)},
      {Txt("9223372036854775808"), varInt64, {}, "Overflow converting Text \"9223372036854775808\" to Int64"},
      {Txt("9007199254740993"), varInt64, Int64(9007199254740993)},
      {Txt("0.1"), varCurrency, Cur(0.1)},
      {Txt("1234567890123456789012345678901234567890123"), varInteger, {},
       "Overflow converting Text \"1234567890123456789012345678901234567890...\" to Int32"},
      {Ole("42"), varInteger, Int(42)},
      {Ansi("42", 1252), varInteger, Int(42)},
  });
}

TEST(ValueConversion, TextFormsOfNumbersBooleansAndDates) {
  RunConversions({
      {Dbl(0.1), varUString, Wide("0.1")},
      {Dbl(1.0 / 3), varUString, Wide("0.333333333333333")},
      {Dbl(0.1 + 0.2), varUString, Wide("0.3")},
      {Dbl(1e21), varUString, Wide("1E+21")},
      {Dbl(1e-7), varUString, Wide("1E-7")},
      {Dbl(-0.0), varUString, Wide("0")},
      {Dbl(123456789012345678.0), varUString, Wide("1.23456789012346E+17")},
      {Dbl(123456789012345.0), varUString, Wide("123456789012345")},
      {Dbl(1e15), varUString, Wide("1E+15")},
      {Dbl(0.00001), varUString, Wide("0.00001")},
      {Dbl(-1.5e-6), varUString, Wide("-1.5E-6")},
      {Dbl(100), varUString, Wide("100")},
      {Dbl(-2.5), varUString, Wide("-2.5")},
      {Dbl(DBL_MAX), varUString, Wide("1.79769313486232E+308")},
      {Dbl(kNaN), varUString, Wide("NaN")},
      {Dbl(-kInf), varUString, Wide("-INF")},
      {Sgl(0.1f), varUString, Wide("0.1")},
      {Sgl(1.0f / 3), varUString, Wide("0.3333333")},
      {Cur(12.5), varUString, Wide("12.5")},
      {Cur(-0.0001), varUString, Wide("-0.0001")},
      {Cur(100), varUString, Wide("100")},
      {Raw(varCurrency, uint64_t(INT64_MIN)), varUString, Wide("-922337203685477.5808")},
      {Int64(INT64_MIN), varUString, Wide("-9223372036854775808")},
      {Raw(varUInt64, UINT64_MAX), varUString, Wide("18446744073709551615")},
      {Bool(true), varUString, Wide("True")},
      {Bool(false), varOleStr, Ole("False")},
      {Value(), varUString, Wide("")},
      {Null(), varUString, Wide("")},
      {Date(46366), varUString, Wide("2026-12-10")},
      {Date(46366 + 47100.0 / 86400), varUString, Wide("2026-12-10 13:05:00")},
      {Date(0), varUString, Wide("00:00:00")},
      {Date(0.25), varUString, Wide("06:00:00")},
      {Date(-0.25), varUString, Wide("06:00:00")},
      {Date(-1.25), varUString, Wide("1899-12-29 06:00:00")},
      {Date(1), varUString, Wide("1899-12-31")},
      {Date(0.999999999), varUString, Wide("1899-12-31")},
      {Date(45351.0 + 0.4 / 86400), varUString, Wide("2024-02-29")},
      {Date(2958465), varUString, Wide("9999-12-31")},
      {Date(-657434), varUString, Wide("0100-01-01")},
      {Date(3e6), varUString, {}, "Overflow converting Date 3000000 to Text"},
      {Ansi("caf\xE9", 1252), varUString, U16(u"caf\u00e9")},
      {Wide("abc"), varString, Ansi("abc", 0)},
      {Txt("x"), varOleStr, Ole("x")},
  });
}

TEST(ValueConversion, TextToDate) {
  RunConversions({
      {Txt("2026-12-10"), varDate, Date(46366)},
      {Txt(" 2026-12-10 13:05 "), varDate, Date(46366 + 47100.0 / 86400)},
      {Txt("2026-12-10T13:05:00"), varDate, Date(46366 + 47100.0 / 86400)},
      {Txt("2026-1-5"), varDate, Date(46027)},
      {Txt("13:05"), varDate, Date(47100.0 / 86400)},
      {Txt("6:00:00.5"), varDate, Date(21600.5 / 86400)},
      {Txt("1899-12-29 06:00"), varDate, Date(-1.25)},
      {Txt("2024-02-29"), varDate, Date(45351)},
      {Txt("2023-02-29"), varDate, {}, "Cannot convert Text \"2023-02-29\" to Date"},
      {Txt("1900-02-29"), varDate, {}, "Cannot convert Text \"1900-02-29\" to Date"},
      {Txt("2026-13-01"), varDate, {}, "Cannot convert Text \"2026-13-01\" to Date"},
      {Txt("26-12-10"), varDate, {}, "Cannot convert Text \"26-12-10\" to Date"},
      {Txt("2026-12-10 24:00"), varDate, {}, "Cannot convert Text \"2026-12-10 24:00\" to Date"},
      {Txt("12:5"), varDate, {}, "Cannot convert Text \"12:5\" to Date"},
      {Txt("2026-12-10T"), varDate, {}, "Cannot convert Text \"2026-12-10T\" to Date"},
      {Txt("0099-12-31"), varDate, {}, "Cannot convert Text \"0099-12-31\" to Date"},
      {Txt("45000"), varDate, {}, "Cannot convert Text \"45000\" to Date"},
      {Dbl(1.5), varDate, Date(1.5)},
      {Dbl(3e6), varDate, {}, "Overflow converting Double 3000000 to Date"},
      {Date(1.5), varDouble, Dbl(1.5)},
  });
}

TEST(ValueConversion, Booleans) {
  RunConversions({
      {Txt("True"), varBoolean, Bool(true)},
      {Txt("yes"), varBoolean, Bool(true)},
      {Txt(" FALSE "), varBoolean, Bool(false)},
      {Txt("No"), varBoolean, Bool(false)},
      {Txt(""), varBoolean, Bool(false)},
      {Txt("0.0"), varBoolean, Bool(false)},
      {Txt("-2"), varBoolean, Bool(true)},
      {Txt("abc"), varBoolean, {}, "Cannot convert Text \"abc\" to Boolean"},
      {Txt("Truee"), varBoolean, {}, "Cannot convert Text \"Truee\" to Boolean"},
      {Bool(true), varInteger, Int(-1)},
      {Bool(false), varDouble, Dbl(0)},
      {Dbl(0.1), varBoolean, Bool(true)},
      {Dbl(kNaN), varBoolean, Bool(true)},
      {Dbl(-0.0), varBoolean, Bool(false)},
      {Null(), varBoolean, Bool(false)},
      {Obj(&gFilled), varBoolean, Bool(true)},
      {Obj(&gHollow), varBoolean, Bool(false)},
  });
}

TEST(ValueConversion, EmptyNullObjectsAndArrays) {
  RunConversions({
      {Value(), varInteger, Int(0)},
      {Null(), varDouble, Dbl(0)},
      {Value(), varDate, Date(0)},
      {Int(5), varEmpty, Value()},
      {Int(5), varNull, Null()},
      {Obj(&gFilled), varInteger, Value()},
      {Obj(&gFilled), varUString, Value()},
      {Bytes("ab"), varInteger, {}, "Cannot convert Byte array to Int32"},
      {Bytes("ab"), varUString, {}, "Cannot convert Byte array to Text"},
      {Int(1), varByteArray, {}, "Cannot convert Int32 1 to Byte array"},
      {Int(1), varDispatch, {}, "Cannot convert Int32 1 to Dispatch"},
  });
}

TEST(ValueConversion, ChangeTypeInPlaceAndSameTypeKeepsTheValue) {
  Value v = Txt("17");
  ChangeType(v, v, varInteger);
  EXPECT_TRUE(SameValue(v, Int(17)));
  Value bytes = Bytes("xyz");
  Value copy;
  ChangeType(copy, bytes, varByteArray);
  EXPECT_EQ(copy.Array(), bytes.Array());
  Value text = Ansi("\xE9", 1252);
  ChangeType(copy, text, varString);
  EXPECT_EQ(copy.Text8()->codePage, 1252) << "the same type keeps its code page";
}

namespace {

struct ArithCase {
  Value left;
  char op;
  Value right;
  Value want;
  const char* error = nullptr;
};

void RunArithmetic(const std::vector<ArithCase>& cases) {
  for (size_t i = 0; i < cases.size(); ++i) {
    const ArithCase& c = cases[i];
    ExpectOutcome(
        [&] {
          Value left = c.left;
          if (c.op == '&')
            ValueConcat(left, c.right);
          else
            ValueArith(left, c.right, c.op);
          return left;
        },
        c.want, c.error, "case " + std::to_string(i) + ": " + Show(c.left) + " " + c.op + " " + Show(c.right));
  }
}

}  // namespace

TEST(ValueArithmetic, IntegersWidenInsteadOfWrapping) {
  RunArithmetic({
      {Int(2147483647), '+', Int(1), Int64(2147483648)},
      {Int(-2147483647 - 1), '-', Int(1), Int64(-2147483649)},
      {Int(65536), '*', Int(65536), Int64(4294967296)},
      {Int(2), '+', Int(3), Int(5)},
      {Int64(7), '-', Int(2), Int64(5)},
      {Int64(INT64_MAX), '+', Int(1), Dbl(9223372036854775808.0)},
      {Int64(INT64_MIN), '*', Int(-1), Dbl(9223372036854775808.0)},
      {Raw(varLongWord, 4294967295), '+', Int(1), Int64(4294967296)},
      {Raw(varSmallint, 32767), '+', Raw(varSmallint, 1), Int(32768)},
      {Raw(varByte, 200), '*', Raw(varShortInt, 0xFF), Int(-200)},
      {Bool(true), '+', Bool(true), Int(-2)},
      {Bool(true), '*', Int(3), Int(-3)},
      {Raw(varUInt64, UINT64_MAX), '+', Int(0), Dbl(18446744073709551615.0)},
  });
}

TEST(ValueArithmetic, TextsConcatenateOrReadAsNumbers) {
  RunArithmetic({
      {Txt("1"), '+', Txt("2"), Txt("12")},
      {Ole("a"), '+', Ansi("b", 1252), Txt("ab")},
      {Txt("a"), '+', Value(), Txt("a")},
      {Value(), '+', Txt("a"), Txt("a")},
      {Txt("1"), '+', Int(2), Int(3)},
      {Int(2), '*', Txt(" 1.5 "), Dbl(3)},
      {Txt("3000000000"), '-', Int(1), Int64(2999999999)},
      {Txt("a"), '+', Int(1), {}, "Cannot convert Text \"a\" to Double"},
      {Int(1), '-', Txt("x"), {}, "Cannot convert Text \"x\" to Double"},
      {Txt(""), '+', Int(1), {}, "Cannot convert Text \"\" to Double"},
      {Txt("6"), '*', Txt("7"), Int(42)},
      {Txt("a"), '&', Int(1), Txt("a1")},
      {Dbl(1.5), '&', Bool(true), Txt("1.5True")},
      {Date(46366), '&', Null(), Txt("2026-12-10")},
      {Bytes("a"), '&', Int(1), {}, "Cannot convert Byte array to Text"},
  });
}

TEST(ValueArithmetic, EmptyNullObjectsAndArrays) {
  RunArithmetic({
      {Value(), '+', Value(), Int(0)},
      {Value(), '-', Int(5), Int(-5)},
      {Null(), '+', Int(1), Null()},
      {Txt("a"), '+', Null(), Null()},
      {Int(1), 'd', Null(), Null()},
      {Obj(&gFilled), '+', Int(1), Int(1)},
      {Bytes("a"), '+', Int(1), {}, "Cannot convert Byte array to Double"},
  });
}

TEST(ValueArithmetic, DivisionAndRemainder) {
  RunArithmetic({
      {Int(7), '/', Int(2), Dbl(3.5)},
      {Int(6), '/', Int(3), Dbl(2)},
      {Cur(1), '/', Int(4), Dbl(0.25)},
      {Int(1), '/', Int(0), {}, "Floating point division by zero"},
      {Dbl(-1), '/', Value(), {}, "Floating point division by zero"},
      {Int(0), '/', Dbl(0), {}, "Invalid floating point operation"},
      {Int(7), 'd', Int(2), Int(3)},
      {Int(-7), 'd', Int(2), Int(-3)},
      {Int(-7), 'm', Int(2), Int(-1)},
      {Int(7), 'm', Int(-2), Int(1)},
      {Int(7), 'd', Int(0), {}, "Division by zero"},
      {Int(7), 'm', Dbl(0.4), {}, "Division by zero"},
      {Dbl(7.5), 'd', Int(2), Int(4)},
      {Dbl(6.5), 'm', Int(4), Int(2)},
      {Txt("9"), 'd', Txt("2"), Int(4)},
      {Int(-2147483647 - 1), 'd', Int(-1), Int64(2147483648)},
      {Int64(INT64_MIN), 'd', Int(-1), Dbl(9223372036854775808.0)},
      {Int64(INT64_MIN), 'm', Int(-1), Int64(0)},
      {Dbl(1e30), 'd', Int(1), {}, "Overflow converting Double 1E+30 to Int64"},
  });
}

TEST(ValueArithmetic, FloatingCurrencyAndDates) {
  RunArithmetic({
      {Dbl(0.5), '+', Int(1), Dbl(1.5)},
      {Sgl(1.5f), '+', Int(1), Dbl(2.5)},
      {Dbl(1e308), '*', Int(10), {}, "Floating point overflow"},
      {Dbl(kInf), '+', Int(1), Dbl(kInf)},
      {Cur(1.5), '+', Int(1), Cur(2.5)},
      {Cur(1.5), '-', Cur(0.25), Cur(1.25)},
      {Cur(1.5), '*', Int(3), Cur(4.5)},
      {Cur(0.0001), '*', Cur(0.5), Cur(0)},
      {Cur(0.0003), '*', Cur(0.5), Cur(0.0002)},
      {Cur(100000), '*', Cur(1000000), Cur(1e11)},
      {Cur(-100000.0001), '*', Cur(1000001.5), Cur(-100000150100.0002)},
      {Cur(1), '+', Dbl(0.5), Dbl(1.5)},
      {Cur(900000000000000), '+', Cur(900000000000000), Dbl(1.8e15)},
      {Date(46366), '+', Int(1), Date(46367)},
      {Int(1), '+', Date(46366), Date(46367)},
      {Date(46366), '-', Dbl(0.25), Date(46365.75)},
      {Date(46366), '-', Date(46365), Dbl(1)},
      {Date(46366), '+', Txt("2"), Date(46368)},
      {Date(2), '*', Int(2), Dbl(4)},
      {Date(46366), '+', Dbl(1e7), {}, "Overflow converting Double 10046366 to Date"},
  });
}

TEST(ValueArithmetic, LeftAndRightMayBeOneValue) {
  Value v = Int(21);
  ValueArith(v, v, '+');
  EXPECT_TRUE(SameValue(v, Int(42)));
  Value t = Txt("ab");
  ValueArith(t, t, '+');
  EXPECT_TRUE(SameValue(t, Txt("abab")));
  ValueConcat(t, t);
  EXPECT_TRUE(SameValue(t, Txt("abababab")));
}

namespace {

struct CompareCase {
  Value a;
  Value b;
  int want;
  bool caseSensitive = false;
};

void RunComparisons(const std::vector<CompareCase>& cases) {
  for (size_t i = 0; i < cases.size(); ++i) {
    const CompareCase& c = cases[i];
    EXPECT_EQ(CompareValues(c.a, c.b, c.caseSensitive), c.want) << "case " << i << ": " << Show(c.a) << " vs " << Show(c.b);
  }
}

}  // namespace

TEST(ValueComparison, EmptyAndZeroAreEqual) {
  RunComparisons({
      {Int(0), Txt(""), 0},
      {Value(), Dbl(0), 0},
      {Null(), Bool(false), 0},
      {Cur(0), Int64(0), 0},
      {Ansi("", 1252), Value(), 0},
      {Int(0), Dbl(-0.0), 0},
  });
}

TEST(ValueComparison, NumbersCompareByValue) {
  RunComparisons({
      {Int(2147483647), Int(-1), 2},
      {Int(-2147483647 - 1), Int(1), 1},
      {Int(1), Dbl(1.5), 1},
      {Dbl(2.5), Int(2), 2},
      {Dbl(kNaN), Dbl(1), 2},
      {Int64(5000000000), Int(1), 2},
      {Int64(INT64_MAX), Int64(INT64_MAX - 1), 2},
      {Cur(1.5), Int(1), 2},
      {Cur(1), Int(1), 0},
      {Int64(INT64_MAX), Cur(1), 2},
      {Date(2), Dbl(2), 0},
      {Bool(true), Int(-1), 0},
      {Raw(varByte, 200), Raw(varShortInt, 0xFF), 2},
  });
}

TEST(ValueComparison, TextsAndTextAgainstNumber) {
  RunComparisons({
      {Int(1), Txt("1"), 0},
      {Txt("abc"), Txt("ABC"), 0},
      {Txt("abc"), Txt("ABC"), 2, true},
      {Txt("abc"), Txt("abd"), 1, true},
      {Txt("b"), Txt("A"), 2},
      {Txt("_"), Txt("a"), 2},
      {Txt("abc"), Txt("abcd"), 1},
      {Ansi("ABC", 1252), Wide("abc"), 0},
      {Ansi("\xE9", 1252), U16(u"\u00e9"), 0},
      {Txt("10"), Int(9), 2},
      {Txt("x1"), Int(9), 3},
      {Txt("-1"), Int(0), 3},
      {Txt("abc"), Int(5), 3},
      {Dbl(1.5), Txt("1.5"), 3},
      {Txt("12"), Value(), 2},
      {Null(), Txt("12"), 1},
      {Txt("0"), Value(), 2},
      {Txt("7"), Bool(true), 2},
  });
}

TEST(ValueComparison, ReferencesAndArraysAreEqualOnlyToThemselves) {
  TruthObject other(true);
  Value counted;
  counted.SetCountedObject(&gFilled);
  Value bytes = Bytes("ab");
  RunComparisons({
      {Obj(&gFilled), Obj(&gFilled), 0},
      {Obj(&gFilled), counted, 0},
      {Obj(&gFilled), Obj(&other), 3},
      {Obj(&gFilled), Int(1), 3},
      {Int(1), Obj(&gFilled), 3},
      {Obj(&gFilled), Value(), 3},
      {bytes, bytes, 0},
      {bytes, Bytes("ab"), 3},
  });
}

TEST(ValueComparison, DispatchValues) {
  Value nilDispatch;
  nilDispatch.SetRaw(varDispatch, 0);
  CFakeInterface object;
  Value dispatch;
  dispatch.AdoptInterface(&object);
  EXPECT_EQ(CompareValues(nilDispatch, Value(), false), 0);
  EXPECT_EQ(CompareValues(dispatch, Int(0), false), 3);
  EXPECT_EQ(CompareValues(Txt(""), dispatch, false), 3);
  try {
    CompareValues(dispatch, Int(1), false);
    ADD_FAILURE() << "a COM object against a number has no general comparison";
  } catch (const EScriptError& e) {
    EXPECT_STREQ(e.what(), "Cannot convert Dispatch to Double");
  }
}

TEST(ValueTests, Truthiness) {
  struct Case {
    Value v;
    bool want;
  } cases[] = {
      {Txt("No"), false},   {Txt("false"), false}, {Txt("0"), false},    {Txt(""), false},
      {Txt("  "), false},   {Txt("abc"), true},    {Txt("Yes"), true},   {Txt("1e400"), true},
      {Ole("TRUE"), true},  {Value(), false},      {Null(), false},      {Int(2), true},
      {Dbl(-0.0), false},   {Cur(0.0001), true},   {Date(0), false},     {Obj(&gFilled), true},
      {Obj(&gHollow), false}, {Obj(nullptr), false},
  };
  for (const Case& c : cases) EXPECT_EQ(ValueToBool(c.v), c.want) << Show(c.v);
  EXPECT_THROW(ValueToBool(Bytes("a")), EScriptError);
}

TEST(ValueTests, EmptyOrZeroLooksAtTheWholePayload) {
  struct Case {
    Value v;
    bool want;
  } cases[] = {
      {Value(), true},         {Null(), true},           {Txt(""), true},
      {Ole(""), true},         {Ansi("", 1252), true},   {Txt("0"), false},
      {Int(0), true},          {Bool(false), true},      {Dbl(0), true},
      {Dbl(-0.0), false},      {Sgl(-0.0f), false},      {Cur(0), true},
      {Date(0), true},         {Int64(0), true},         {Int64(int64_t(1) << 32), false},
      {Raw(varUInt64, uint64_t(1) << 32), false},         {Obj(nullptr), true},
      {Obj(&gHollow), false},  {Bytes(""), false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsEmptyOrZero(c.v), c.want) << Show(c.v);
}

TEST(ValueTests, IntegerLike) {
  struct Case {
    Value v;
    bool want;
  } cases[] = {
      {Txt("123"), true},  {Ansi("0", 1252), true}, {Txt(""), false},  {Txt("-1"), false},
      {Txt(" 1"), false},  {Txt("1.0"), false},     {Int(5), true},    {Bool(true), true},
      {Raw(varUInt64, 1), true}, {Dbl(1), false},   {Cur(1), false},   {Value(), false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsIntegerLike(c.v), c.want) << Show(c.v);
}
