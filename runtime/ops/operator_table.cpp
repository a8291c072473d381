#include "runtime/ops/operator_table.h"

#include "runtime/ops/op_routines.h"

namespace runtime {

namespace {

struct OperatorEntry {
  Operator op;
  OperatorRoutine routine;
};

constexpr OperatorEntry kRoutines[] = {
    {Operator::kAdd, &AddValues},
    {Operator::kSubtract, &SubtractValues},
    {Operator::kMultiply, &MultiplyValues},
    {Operator::kDivide, &DivideValues},
    {Operator::kDiv, &DivValues},
    {Operator::kMod, &ModValues},
    {Operator::kPower, &PowerValues},
    {Operator::kJoin, &JoinValues},
    {Operator::kEqual, &EqualValues},
    {Operator::kUnequal, &UnequalValues},
    {Operator::kLess, &LessValues},
    {Operator::kGreater, &GreaterValues},
    {Operator::kNotGreater, &NotGreaterValues},
    {Operator::kNotLess, &NotLessValues},
    {Operator::kIn, &MemberOfValues},
    {Operator::kMatch, &MatchValues},
    {Operator::kNoMatch, &NoMatchValues},
    {Operator::kNot, &NotValue},
    {Operator::kAnd, &AndValues},
    {Operator::kOr, &OrValues},
    {Operator::kXor, &XorValues},
    {Operator::kBitNot, &BitNotValue},
    {Operator::kBitAnd, &BitAndValues},
    {Operator::kBitOr, &BitOrValues},
    {Operator::kBitXor, &BitXorValues},
    {Operator::kShiftLeft, &ShiftLeftValues},
    {Operator::kShiftRight, &ShiftRightValues},
};

constexpr OperatorTable InitOperatorTable() {
  OperatorTable table{};
  for (const OperatorEntry& entry : kRoutines) table[size_t(entry.op)] = entry.routine;
  return table;
}

}  // namespace

constexpr OperatorTable kOperatorTable = InitOperatorTable();

}  // namespace runtime
