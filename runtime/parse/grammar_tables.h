// The LALR tables bison builds from qel.y, and the lookups the driver makes in
// them. Symbols are bison's numbers: the terminals first (0 the end of the
// text, 1 error), then the non-terminals. Rules are numbered as in qel.y.
#pragma once

namespace runtime {

namespace grammar {

inline constexpr int kEndSymbol = 0;
inline constexpr int kErrorSymbol = 1;
// "unit: statement" accepts a statement; "unit: error" ends a syntax error.
inline constexpr int kStatementRule = 1;
inline constexpr int kErrorRule = 2;

int RuleCount();
// The name of the routine the rule's action names ("NoRoutine" for none).
const char* RuleRoutineName(int rule);
int StateCount();
int TerminalCount();
int RuleLength(int rule);
int RuleLeftSide(int rule);
const char* SymbolName(int symbol);
// The symbol of a token code; an unknown code is a symbol no state accepts.
int TokenSymbol(int tokenCode);

// Above 0: shift to that state; below 0: reduce by the opposite rule; 0: error.
int Action(int state, int symbol);
// The rule a state reduces without reading a look-ahead (it is the state's
// only action), else 0.
int DefaultReduction(int state);
int GotoState(int state, int leftSide);

}  // namespace grammar

}  // namespace runtime
