#include <gtest/gtest.h>

#include "runtime/parse/key_alias.h"
#include "runtime/parse/operator_code.h"
#include "support/text_util.h"

using namespace runtime;

namespace {

struct CodeCase {
  const char* text;
  bool bitwise;
  Operator code;
};

void ExpectCodes(std::initializer_list<CodeCase> cases) {
  for (const CodeCase& c : cases)
    EXPECT_EQ(OperatorCode(Widen(c.text), c.bitwise), c.code) << c.text << (c.bitwise ? " (bitwise)" : "");
}

}  // namespace

TEST(OperatorCode, CodesOfTheOperators) {
  ExpectCodes({
      {"<", false, Operator::kLess}, {">", false, Operator::kGreater}, {"<=", false, Operator::kNotGreater},
      {">=", false, Operator::kNotLess}, {"<>", false, Operator::kUnequal}, {"!=", false, Operator::kUnequal},
      {"=~", false, Operator::kMatch}, {"!~", false, Operator::kNoMatch}, {"=", false, Operator::kEqual},
      {"&", false, Operator::kJoin}, {"+", false, Operator::kAdd}, {"-", false, Operator::kSubtract},
      {"*", false, Operator::kMultiply}, {"/", false, Operator::kDivide}, {"^", false, Operator::kPower},
      {"div", false, Operator::kDiv}, {"mod", false, Operator::kMod}, {"and", false, Operator::kAnd},
      {"or", false, Operator::kOr}, {"xor", false, Operator::kXor}, {"not", false, Operator::kNot},
      {"in", false, Operator::kIn}, {"<<", true, Operator::kShiftLeft}, {">>", true, Operator::kShiftRight},
      {"and", true, Operator::kBitAnd}, {"or", true, Operator::kBitOr}, {"xor", true, Operator::kBitXor},
      {"not", true, Operator::kBitNot},
  });
  // "<<" is bitwise only; no plain operator reads as a bitwise one.
  ExpectCodes({{"<<", false, Operator::kNone}, {"+", true, Operator::kNone}, {"", false, Operator::kNone}});
  EXPECT_EQ(AssignmentCode(Widen("&=")), Operator::kJoin);
  EXPECT_EQ(AssignmentCode(Widen("-=")), Operator::kSubtract);
}

#ifndef QEL_ANSI
TEST(OperatorCode, AliasedWordsTakeTheirKeywordsCode) {
  LoadKeyAliasText(Widen("pas=not\r\nsinon=xor\r\nrest=mod\r\nou=or\r\n"));
  ExpectCodes({
      {"pas", false, Operator::kNot},
      {"pas", true, Operator::kBitNot},
      {"ou", true, Operator::kBitOr},
      {"ou", false, Operator::kOr},
      {"sinon", false, Operator::kXor},
      {"rest", false, Operator::kMod},
  });
  ClearKeyAliases();
}
#endif
