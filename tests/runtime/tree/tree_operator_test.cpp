// Operator nodes and the operator table.
#include <string>
#include <vector>

#include "match_stub.h"
#include "runtime/ops/operator_table.h"
#include "support/tree_fixture.h"
#include "support/value_makers.h"
#include "runtime/base/ref.h"

using namespace runtime;

namespace {

// Any of the text types (the two builds keep texts differently).
constexpr VarType kText = 0xFFFF;

std::string Ascii(const Text& text) { return std::string(text.begin(), text.end()); }

struct Row {
  const char* script;
  CValue* expression;
  VarType type;
  const char* text;
};

struct ErrorRow {
  const char* script;
  CValue* expression;
  const char* message;
};

}  // namespace

class TreeOperator : public TreeTest {
protected:
  // Evaluates an expression made by the test and releases it.
  Value Evaluate(CValue* expression, CContext& context) {
    const auto hold = Retain(expression);
    expression->Release();
    return Eval(expression, context);
  }
  Value Evaluate(CValue* expression) { return Evaluate(expression, Context()); }

  std::string ErrorOf(CValue* expression) {
    try {
      Evaluate(expression);
    } catch (const EScriptError& e) {
      return e.what();
    }
    return "no error";
  }

  void Check(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
      SCOPED_TRACE(row.script);
      Value result = Evaluate(row.expression);
      if (row.type == kText)
        EXPECT_TRUE(IsStringType(result.Type())) << result.Type();
      else
        EXPECT_EQ(result.Type(), row.type);
      EXPECT_EQ(Ascii(ToText(result)), row.text);
    }
  }

  void CheckErrors(const std::vector<ErrorRow>& rows) {
    for (const ErrorRow& row : rows) {
      SCOPED_TRACE(row.script);
      EXPECT_EQ(ErrorOf(row.expression), row.message);
    }
  }

  CValue* List123() { return Object({Const(1), Const(2), Const(3)}); }
  CValue* Unsigned(int32_t v) { return Op('O', Const(v), Const(0)); }
};

TEST_F(TreeOperator, EdgeCasesOfTheOperators) {
  Check({
      {"2147483647 + 1", Op('+', Const(2147483647), Const(1)), varInt64, "2147483648"},
      {"-2147483648 - 1", Op('-', Const(INT32_MIN), Const(1)), varInt64, "-2147483649"},
      {"7 / 2", Op('/', Const(7), Const(2)), varDouble, "3.5"},
      {"7 div 2", Op('d', Const(7), Const(2)), varInteger, "3"},
      {"-7 div 2", Op('d', Const(-7), Const(2)), varInteger, "-3"},
      {"-7 mod 2", Op('m', Const(-7), Const(2)), varInteger, "-1"},
      {"2 ^ 10", Op('^', Const(2), Const(10)), varDouble, "1024"},
      {"\"a\" & 1", Op('&', Const("a"), Const(1)), kText, "a1"},
      {"\"1\" + \"2\"", Op('+', Const("1"), Const("2")), kText, "12"},
      {"0 and \"x\"", And(Const(0), Const("x")), varInteger, "0"},
      {"\"\" or \"y\"", Or(Const(""), Const("y")), kText, "y"},
      {"1 = \"1\"", Op('=', Const(1), Const("1")), varBoolean, "True"},
      {"\"abc\" = \"ABC\"", Op('=', Const("abc"), Const("ABC")), varBoolean, "True"},
      {"[1] < 1", Op('<', Object({Const(1)}), Const(1)), varBoolean, "False"},
      {"[1] <= 1", Op('l', Object({Const(1)}), Const(1)), varBoolean, "True"},
      {"3 in [1, 2, 3]", Op('i', Const(3), List123()), varBoolean, "True"},
      {"3 in 3", Op('i', Const(3), Const(3)), varBoolean, "False"},
      {"1 << 33", Op('L', Const(1), Const(33)), varLongWord, "2"},
      {"-1 >> 28", Op('R', Const(-1), Const(28)), varLongWord, "15"},
      {"bit not 0", Op('N', Const(0)), varLongWord, "4294967295"},
      {"bit not 0 + 1", Op('+', Op('N', Const(0)), Const(1)), varInt64, "4294967296"},
  });
  CheckErrors({{"\"a\" + 1", Op('+', Const("a"), Const(1)), "Cannot convert Text \"a\" to Double"}});
}

TEST_F(TreeOperator, FastPathsGiveTheGeneralPathsResults) {
  Check({
      {"-3 * 4", Op('*', Const(-3), Const(4)), varInteger, "-12"},
      {"65536 * 65536", Op('*', Const(65536), Const(65536)), varInt64, "4294967296"},
      {"-5 - 2147483647", Op('-', Const(-5), Const(2147483647)), varInt64, "-2147483652"},
      {"1.5 + 2", Op('+', Const(1.5), Const(2)), varDouble, "3.5"},
      {"2 - 0.5", Op('-', Const(2), Const(0.5)), varDouble, "1.5"},
      {"0.5 * 0.5", Op('*', Const(0.5), Const(0.5)), varDouble, "0.25"},
      {"1 / 4.0", Op('/', Const(1), Const(4.0)), varDouble, "0.25"},
      {"7.5 div 2", Op('d', Const(7.5), Const(2)), varInteger, "4"},
      {"6.5 mod 4", Op('m', Const(6.5), Const(4)), varInteger, "2"},
      {"1e10 div 1", Op('d', Const(1e10), Const(1)), varInt64, "10000000000"},
      {"9 div -1", Op('d', Const(9), Const(-1)), varInteger, "-9"},
      {"-2147483648 div -1", Op('d', Const(INT32_MIN), Const(-1)), varInt64, "2147483648"},
      {"-2147483648 mod -1", Op('m', Const(INT32_MIN), Const(-1)), varInteger, "0"},
      {"2 ^ -1", Op('^', Const(2), Const(-1)), varDouble, "0.5"},
      {"\"3\" ^ 2", Op('^', Const("3"), Const(2)), varDouble, "9"},
      {"\"4\" - 1", Op('-', Const("4"), Const(1)), varInteger, "3"},
  });
}

namespace {

// What an operator on two Int32 values gives, worked out in wide arithmetic:
// the result's type and text, or the error's message.
struct Expected {
  VarType type;
  std::string text;
};

Expected WideResult(char16_t code, int64_t x, int64_t y) {
  auto number = [](int64_t r) {
    return Expected{r == int32_t(r) ? VarType(varInteger) : VarType(varInt64), std::to_string(r)};
  };
  auto truth = [](bool b) { return Expected{varBoolean, b ? "True" : "False"}; };
  switch (code) {
    case '+': return number(x + y);
    case '-': return number(x - y);
    case '*': return number(x * y);
    case 'd': return y == 0 ? Expected{varError, "Division by zero"} : number(x / y);
    case 'm': return y == 0 ? Expected{varError, "Division by zero"} : number(x % y);
    case '=': return truth(x == y);
    case '!': return truth(x != y);
    case '<': return truth(x < y);
    case '>': return truth(x > y);
    case 'l': return truth(x <= y);
    default: return truth(x >= y);
  }
}

}  // namespace

// Constants are read in place from the first run, names once resolved: every
// pair of boundary values agrees with wide arithmetic on every run.
TEST_F(TreeOperator, Int32OperandsAgreeWithWideArithmeticOnEveryRun) {
  CVariable* a = Var("a");
  CVariable* b = Var("b");
  const int32_t values[] = {INT32_MIN, INT32_MIN + 1, -7, -2, -1, 0, 1, 2, 7, INT32_MAX - 1, INT32_MAX};
  for (char16_t code : std::u16string(u"+-*dm=!<>lg")) {
    for (int32_t x : values) {
      for (int32_t y : values) {
        SCOPED_TRACE(std::to_string(x) + " " + char(code) + " " + std::to_string(y));
        const Expected expected = WideResult(code, x, y);
        a->OwnValue().SetInt(x);
        b->OwnValue().SetInt(y);
        const auto names = Adopt(Op(code, Name("a"), Name("b")));
        const auto constants = Adopt(Op(code, Const(x), Const(y)));
        for (CValue* expression : {static_cast<CValue*>(names), static_cast<CValue*>(constants)}) {
          for (int run = 0; run < 2; ++run) {
            try {
              const Value& result = Eval(expression, Context());
              EXPECT_EQ(result.Type(), expected.type);
              EXPECT_EQ(Ascii(ToText(result)), expected.text);
            } catch (const EScriptError& e) {
              EXPECT_EQ(expected.type, varError);
              EXPECT_EQ(std::string(e.what()), expected.text);
            }
          }
        }
      }
    }
  }
}

// The same node meets other types and sizes in its variable from run to run:
// an Int32 tree gives way to the general path wherever its values need it.
TEST_F(TreeOperator, Int32TreeFollowsItsVariablesTypeOnEveryRun) {
  CVariable* x = Var("x");
  const auto expression = Adopt(Op('-', Op('+', Op('*', Name("x"), Const(2)), Const(1)), Op('d', Name("x"), Const(2))));
  const auto comparison = Adopt(Op('<', Name("x"), Const(10)));
  struct Case {
    Value value;
    VarType type;
    const char* result;
    const char* less;
  };
  const Case cases[] = {
      {Int(7), varInteger, "12", "True"},
      {Dbl(2.5), varDouble, "5", "True"},
      {Txt("40"), varInteger, "61", "False"},
      {Int(2147483647), varInt64, "3221225472", "False"},
      {Int(-3), varInteger, "-4", "True"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    x->OwnValue() = c.value;
    const Value& result = Eval(expression, Context());
    EXPECT_EQ(result.Type(), c.type);
    EXPECT_EQ(Ascii(ToText(result)), c.result);
    EXPECT_EQ(Ascii(ToText(Eval(comparison, Context()))), c.less);
  }
}

// A right operand that changes the left operand's variable comes after the
// left one is read, also once the variable is read in place.
TEST_F(TreeOperator, LeftVariableIsReadBeforeTheRightOperandRuns) {
  Var("x");
  Func("bump", {}, [&] {
    Set("x", Op('+', Name("x"), Const(10)));
    Return(Const(1));
  });
  Set("x", Const(1));
  For("i", Const(1), Const(2), [&] {
    Print(Op('+', Name("x"), Call(Name("bump"))));
    Print(Op('-', Op('*', Name("x"), Const(1)), Call(Name("bump"))));
  });
  EXPECT_EQ(Run(), "2\n10\n22\n30\n");
}

TEST_F(TreeOperator, UnsignedAdditionStaysUnsignedOnlyWithoutCarry) {
  Check({
      {"u2 + u3", Op('+', Unsigned(2), Unsigned(3)), varLongWord, "5"},
      {"u2147483647 + u1", Op('+', Unsigned(2147483647), Unsigned(1)), varLongWord, "2147483648"},
      {"0xFFFFFFFF + u1", Op('+', Op('N', Const(0)), Unsigned(1)), varInt64, "4294967296"},
      {"0xFFFFFFFF + 0xFFFFFFFF", Op('+', Op('N', Const(0)), Op('N', Const(0))), varInt64, "8589934590"},
  });
}

TEST_F(TreeOperator, ArithmeticErrorsCarryTheSystemsMessages) {
  CheckErrors({
      {"1 div 0", Op('d', Const(1), Const(0)), "Division by zero"},
      {"1 mod 0", Op('m', Const(1), Const(0)), "Division by zero"},
      {"1.5 div 0.2", Op('d', Const(1.5), Const(0.2)), "Division by zero"},
      {"1 / 0", Op('/', Const(1), Const(0)), "Floating point division by zero"},
      {"-1.5 / 0", Op('/', Const(-1.5), Const(0)), "Floating point division by zero"},
      {"0 / 0", Op('/', Const(0), Const(0)), "Invalid floating point operation"},
      {"1e308 * 10", Op('*', Const(1e308), Const(10)), "Floating point overflow"},
      {"1e308 + 1e308", Op('+', Const(1e308), Const(1e308)), "Floating point overflow"},
      {"1e308 / 0.1", Op('/', Const(1e308), Const(0.1)), "Floating point overflow"},
      {"0 ^ -1", Op('^', Const(0), Const(-1)), "Floating point division by zero"},
      {"10 ^ 400", Op('^', Const(10), Const(400)), "Floating point overflow"},
      {"-8 ^ 0.5", Op('^', Const(-8), Const(0.5)), "Invalid floating point operation"},
      {"1e300 div 1", Op('d', Const(1e300), Const(1)), "Overflow converting Double 1E+300 to Int64"},
  });
}

TEST_F(TreeOperator, ComparisonsAndLogic) {
  Check({
      {"\"a\" < \"B\"", Op('<', Const("a"), Const("B")), varBoolean, "True"},
      {"2 > 10", Op('>', Const(2), Const(10)), varBoolean, "False"},
      {"2 >= 2", Op('g', Const(2), Const(2)), varBoolean, "True"},
      {"2 <> 2.0", Op('!', Const(2), Const(2.0)), varBoolean, "False"},
      {"[1] = 1", Op('=', Object({Const(1)}), Const(1)), varBoolean, "False"},
      {"[1] > 1", Op('>', Object({Const(1)}), Const(1)), varBoolean, "False"},
      {"[1] <> 1", Op('!', Object({Const(1)}), Const(1)), varBoolean, "True"},
      {"[1] >= 1", Op('g', Object({Const(1)}), Const(1)), varBoolean, "True"},
      {"\"B\" in [\"a\", \"b\"]", Op('i', Const("B"), Object({Const("a"), Const("b")})), varBoolean, "True"},
      {"4 in [1, 2, 3]", Op('i', Const(4), List123()), varBoolean, "False"},
      {"not \"No\"", Op('n', Const("No")), varBoolean, "True"},
      {"not \"abc\"", Op('n', Const("abc")), varBoolean, "False"},
      {"1 and 2 (both evaluated)", Op('a', Const(1), Const(2)), varBoolean, "True"},
      {"0 or \"\" (both evaluated)", Op('o', Const(0), Const("")), varBoolean, "False"},
      {"1 xor \"yes\"", Op('x', Const(1), Const("yes")), varBoolean, "False"},
      {"1 or 0 (short)", Or(Const(1), Const(0)), varInteger, "1"},
      {"\"x\" and 5 (short)", And(Const("x"), Const(5)), varInteger, "5"},
  });
}

// A hole of a grown list reads as null, which equals 0.
TEST_F(TreeOperator, MembershipSeesHolesAsNull) {
  Var("o");
  Set("o", New(Object({Const(1)})));
  Assign(Index(Name("o"), Const(3)), Const(9));
  Print(Op('i', Const(0), Name("o")));
  Print(Op('i', Const(2), Name("o")));
  EXPECT_EQ(Run(), "True\nFalse\n");
}

TEST_F(TreeOperator, BitwiseOperandsThatAreNotIntegersAreConverted) {
  Check({
      {"true band 6", Op('A', Op('=', Const(1), Const(1)), Const(6)), varLongWord, "6"},
      {"\"12\" bor 1", Op('O', Const("12"), Const(1)), varLongWord, "13"},
      {"2.5 band 7", Op('A', Const(2.5), Const(7)), varLongWord, "2"},
      {"4294967295.0 band 3", Op('A', Const(4294967295.0), Const(3)), varLongWord, "3"},
      {"-1.0 bxor 1", Op('X', Const(-1.0), Const(1)), varLongWord, "4294967294"},
      {"null bor 5", Op('O', Null(), Const(5)), varLongWord, "5"},
      {"[1, 2] bor 5", Op('O', List123(), Const(5)), varLongWord, "5"},
      {"2147483648 (Int64) bor 0", Op('O', Op('+', Const(2147483647), Const(1)), Const(0)), varLongWord,
       "2147483648"},
  });
  CheckErrors({
      {"5e9 bor 0", Op('O', Const(5e9), Const(0)), "Overflow converting Double 5000000000 to UInt32"},
      {"-3e9 bor 0", Op('O', Const(-3e9), Const(0)), "Overflow converting Double -3000000000 to UInt32"},
      {"\"x\" band 1", Op('A', Const("x"), Const(1)), "Cannot convert Text \"x\" to Int64"},
      {"1 band \"y\"", Op('A', Const(1), Const("y")), "Cannot convert Text \"y\" to Int64"},
  });
}

// No code can reach past the table, and codes whose low byte names a routine
// are not that routine.
TEST_F(TreeOperator, CodesWithoutARoutineYieldEmpty) {
  for (char16_t code : {u'?', u'\0', u'\x7F', u'\xFF', char16_t(0x100 + '+'), char16_t(0xFFFF)}) {
    SCOPED_TRACE(int(code));
    EXPECT_EQ(OperatorFor(Operator(code)), nullptr);
    EXPECT_EQ(Evaluate(Op(code, Const(1), Const(2))).Type(), varEmpty);
    EXPECT_EQ(Evaluate(Op(code, Const(1))).Type(), varEmpty);
  }
}

TEST_F(TreeOperator, LeftOperandIsEvaluatedFirstAndAndOrShortCircuit) {
  Func("left", {}, [&] {
    PrintComma(Const("L"));
    Set("result", Const(5));
  });
  Func("right", {}, [&] {
    PrintComma(Const("R"));
    Set("result", Const(2));
  });
  Print(Op('-', Call(Name("left")), Call(Name("right"))));
  Print(And(Const(0), Call(Name("right"))));
  Print(Or(Const(1), Call(Name("right"))));
  Print(And(Const(1), Call(Name("right"))));
  EXPECT_EQ(Run(), "L R 3\n0\n1\nR 2\n");
}

// The right operand calls the function that holds this very node.
TEST_F(TreeOperator, RecursionInsideAnOperandKeepsEachLevelsLeftValue) {
  Func("sum", {"n"}, [&] {
    If(Op('<', Name("n"), Const(1)), [&] { Return(Const(0)); });
    Return(Op('+', Name("n"), Call(Name("sum"), {Op('-', Name("n"), Const(1))})));
  });
  Func("tail", {"n"}, [&] {
    If(Op('<', Name("n"), Const(1)), [&] { Return(Const("")); });
    Return(Op('&', Call(Name("tail"), {Op('-', Name("n"), Const(1))}), Name("n")));
  });
  Print(Call(Name("sum"), {Const(4)}));
  Print(Call(Name("tail"), {Const(4)}));
  EXPECT_EQ(Run(), "10\n1234\n");
}

class TreeMatch : public TreeOperator {
protected:
  TreeMatch() : runner_(NewMatchRunner()) {}
  ~TreeMatch() override { runner_->Release(); }

  RecordingContext* runner_;
};

TEST_F(TreeMatch, MatchOperatorsAskTheChainForMatch) {
  Value found = Evaluate(Op('~', Const("abc"), Const("b")), *runner_);
  EXPECT_EQ(found.Type(), varInteger);
  EXPECT_EQ(found.AsInt32Raw(), 2);
  EXPECT_TRUE(MatchStub::unnamedArgs);
  EXPECT_EQ(Evaluate(Op('~', Const("abc"), Const("z")), *runner_).AsInt32Raw(), 0);
  Value missed = Evaluate(Op('$', Const("abc"), Const("z")), *runner_);
  EXPECT_EQ(missed.Type(), varBoolean);
  EXPECT_TRUE(ValueToBool(missed));
  EXPECT_FALSE(ValueToBool(Evaluate(Op('$', Const("abc"), Const("c")), *runner_)));
  EXPECT_EQ(MatchStub::calls, 4);
}

TEST_F(TreeMatch, MatchThatNoLibraryHandlesIsAnError) {
  EXPECT_EQ(ErrorOf(Op('~', Const(5), Const("5"))), ".match not found");
  EXPECT_EQ(ErrorOf(Op('$', Const("abc"), Const("b"))), ".match not found");
}
