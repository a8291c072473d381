#include "runtime/parse/grammar_tables.h"

#include <iterator>

#include "qel_tables.h"

namespace runtime {

using namespace qel_tables;

namespace grammar {

namespace {

constexpr int kUndefinedSymbol = 2;
// The tables count $accept as rule 1, so the grammar's rule N is their N + 1.
constexpr int kFirstTableRule = 2;

int TableRule(int rule) { return rule + kFirstTableRule - 1; }

int GrammarRule(int tableRule) { return tableRule >= kFirstTableRule ? tableRule - kFirstTableRule + 1 : 0; }

bool InTable(int index, int check) { return index >= 0 && index <= kLast && yycheck[index] == check; }

// The start symbol "unit" is the first after $accept.
constexpr int kUnitSymbol = kTokenSymbols + 1;
static_assert(yyr1[kStatementRule + kFirstTableRule - 1] == kUnitSymbol &&
                  yyr1[kErrorRule + kFirstTableRule - 1] == kUnitSymbol,
              "the start rules must come first in qel.y");
static_assert(std::size(yyroutine) == kRules);

}  // namespace

int RuleCount() { return kRules - 1; }

const char* RuleRoutineName(int rule) { return rule > 0 && rule < kRules ? yyroutine[rule] : nullptr; }

int StateCount() { return kStates; }

int TerminalCount() { return kTokenSymbols; }

int RuleLength(int rule) { return yyr2[TableRule(rule)]; }

int RuleLeftSide(int rule) { return yyr1[TableRule(rule)]; }

const char* SymbolName(int symbol) { return yytname[symbol]; }

int TokenSymbol(int tokenCode) {
  return tokenCode >= 0 && tokenCode <= kMaxTokenCode ? yytranslate[tokenCode] : kUndefinedSymbol;
}

int Action(int state, int symbol) {
  if (yypact[state] != kPactDefault) {
    const int index = yypact[state] + symbol;
    if (InTable(index, symbol)) {
      const int action = yytable[index];
      if (action > 0) return action;
      return action == kTableError ? 0 : -GrammarRule(-action);
    }
  }
  return -GrammarRule(yydefact[state]);
}

int DefaultReduction(int state) { return yypact[state] == kPactDefault ? GrammarRule(yydefact[state]) : 0; }

int GotoState(int state, int leftSide) {
  const int nonTerminal = leftSide - kTokenSymbols;
  const int index = yypgoto[nonTerminal] + state;
  return InTable(index, state) ? yytable[index] : yydefgoto[nonTerminal];
}

}  // namespace grammar

}  // namespace runtime
