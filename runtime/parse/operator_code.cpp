#include "runtime/parse/operator_code.h"

#include "runtime/parse/key_alias.h"

namespace runtime {

namespace {

struct OperatorText {
  const Char* text;
  Operator op;
};

constexpr OperatorText kOperators[] = {
    {QT("+"), Operator::kAdd},         {QT("-"), Operator::kSubtract},    {QT("*"), Operator::kMultiply},
    {QT("/"), Operator::kDivide},      {QT("div"), Operator::kDiv},       {QT("mod"), Operator::kMod},
    {QT("^"), Operator::kPower},       {QT("&"), Operator::kJoin},        {QT("="), Operator::kEqual},
    {QT("<>"), Operator::kUnequal},    {QT("!="), Operator::kUnequal},    {QT("<"), Operator::kLess},
    {QT(">"), Operator::kGreater},     {QT("<="), Operator::kNotGreater}, {QT(">="), Operator::kNotLess},
    {QT("in"), Operator::kIn},         {QT("=~"), Operator::kMatch},      {QT("!~"), Operator::kNoMatch},
    {QT("not"), Operator::kNot},       {QT("and"), Operator::kAnd},       {QT("or"), Operator::kOr},
    {QT("xor"), Operator::kXor},
};

constexpr OperatorText kBitOperators[] = {
    {QT("not"), Operator::kBitNot},    {QT("and"), Operator::kBitAnd},      {QT("or"), Operator::kBitOr},
    {QT("xor"), Operator::kBitXor},    {QT("<<"), Operator::kShiftLeft},    {QT(">>"), Operator::kShiftRight},
};

template <size_t N>
Operator FindOperator(const OperatorText (&operators)[N], TextView text) {
  for (const OperatorText& entry : operators)
    if (text == entry.text) return entry.op;
  return Operator::kNone;
}

}  // namespace

Operator OperatorCode(TextView text, bool bitwise) {
  const TextView word = KeyAlias(text);
  return bitwise ? FindOperator(kBitOperators, word) : FindOperator(kOperators, word);
}

Operator AssignmentCode(TextView text) { return FindOperator(kOperators, text.substr(0, 1)); }

}  // namespace runtime
