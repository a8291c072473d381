#include "operator_table.h"

#include "op_routines.h"

namespace {

struct CodeRoutine {
  char code;
  OperatorRoutine routine;
};

constexpr CodeRoutine kRoutines[] = {
    {'+', &AddValues},        {'-', &SubtractValues},   {'*', &MultiplyValues},  {'/', &DivideValues},
    {'d', &DivValues},        {'m', &ModValues},        {'^', &PowerValues},     {'&', &JoinValues},
    {'=', &EqualValues},      {'!', &UnequalValues},    {'<', &LessValues},      {'>', &GreaterValues},
    {'l', &NotGreaterValues}, {'g', &NotLessValues},    {'i', &MemberOfValues},  {'~', &MatchValues},
    {'$', &NoMatchValues},    {'n', &NotValue},         {'a', &AndValues},       {'o', &OrValues},
    {'x', &XorValues},        {'N', &BitNotValue},      {'A', &BitAndValues},    {'O', &BitOrValues},
    {'X', &BitXorValues},     {'L', &ShiftLeftValues},  {'R', &ShiftRightValues},
};

constexpr OperatorTable InitOperatorTable() {
  OperatorTable table{};
  for (const CodeRoutine& entry : kRoutines) table[size_t(entry.code)] = entry.routine;
  return table;
}

}  // namespace

constexpr OperatorTable kOperatorTable = InitOperatorTable();
