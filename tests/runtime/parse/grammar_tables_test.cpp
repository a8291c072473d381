#include <gtest/gtest.h>

#include <string>

#include "runtime/parse/grammar_tables.h"
#include "runtime/parse/tokens.h"

using namespace runtime;

namespace {

std::string TokenName(int token) { return grammar::SymbolName(grammar::TokenSymbol(token)); }

}  // namespace

// The grammar's actions name the routines; the start rules make nothing.
TEST(GrammarTables, EveryRuleNamesItsRoutine) {
  for (int rule = 1; rule <= grammar::RuleCount(); ++rule) {
    ASSERT_NE(grammar::RuleRoutineName(rule), nullptr) << rule;
    EXPECT_NE(std::string(grammar::RuleRoutineName(rule)), "") << rule;
  }
  EXPECT_EQ(grammar::RuleRoutineName(0), nullptr);
  EXPECT_EQ(grammar::RuleRoutineName(grammar::RuleCount() + 1), nullptr);
  EXPECT_STREQ(grammar::RuleRoutineName(grammar::kStatementRule), "NoRoutine");
  EXPECT_STREQ(grammar::RuleRoutineName(grammar::kErrorRule), "NoRoutine");
}

TEST(GrammarTables, TokenCodesMatchTheGrammarsTokens) {
  const struct {
    int token;
    const char* name;
  } tokens[] = {
      {TK_IDENT, "IDENT"},         {TK_NUMBER, "NUMBER"},       {TK_STRING, "STRING"},     {TK_DATE, "DATE"},
      {TK_REGEX, "REGEX"},         {TK_IF, "IF"},               {TK_CASE, "CASE"},         {TK_LOOP, "LOOP"},
      {TK_TRY, "TRY"},             {TK_QEL, "QEL"},             {TK_CLASS, "CLASS"},       {TK_ELSIF, "ELSIF"},
      {TK_WHEN, "WHEN"},           {TK_ELSE, "ELSE"},           {TK_EXCEPT, "EXCEPT"},     {TK_FINALLY, "FINALLY"},
      {TK_END_WORD, "END"},        {TK_EXIT, "EXIT"},           {TK_NEXT, "NEXT"},         {TK_RAISE, "RAISE"},
      {TK_RETURN, "RETURN"},       {TK_THEN, "THEN"},           {TK_IS, "IS"},             {TK_DO, "DO"},
      {TK_WHILE, "WHILE"},         {TK_FOR, "FOR"},             {TK_TO, "TO"},             {TK_STEP, "STEP"},
      {TK_IN, "IN"},               {TK_VAR, "VAR"},             {TK_USE, "USE"},           {TK_AS, "AS"},
      {TK_NEW, "NEW"},             {TK_ATOM, "ATOM"},           {TK_TRUE, "TRUE"},         {TK_FALSE, "FALSE"},
      {TK_NULL, "NULL"},           {TK_CONCAT_OP, "CONCAT_OP"}, {TK_ADD_OP, "ADD_OP"},     {TK_MUL_OP, "MUL_OP"},
      {TK_POW_OP, "POW_OP"},       {TK_BIT_OP, "BIT_OP"},       {TK_BITNOT, "BITNOT"},     {TK_CMP_OP, "CMP_OP"},
      {TK_NOT, "NOT"},             {TK_AND, "AND"},             {TK_OR, "OR"},             {TK_ARROW, "ARROW"},
      {TK_ASSIGN_OP, "ASSIGN_OP"}, {TK_DOT_OP, "DOT_OP"},       {TK_EQ, "EQ"},             {TK_ERROR, "error"},
      {'(', "'('"},                {')', "')'"},                {',', "','"},              {':', "':'"},
      {';', "';'"},                {'?', "'?'"},                {'[', "'['"},              {']', "']'"},
      {'{', "'{'"},                {'}', "'}'"},                {'.', "'.'"},
  };
  for (const auto& t : tokens) EXPECT_EQ(TokenName(t.token), t.name) << t.token;
  EXPECT_EQ(grammar::TokenSymbol(TK_END), grammar::kEndSymbol);
  EXPECT_EQ(grammar::TokenSymbol(TK_ERROR), grammar::kErrorSymbol);
}

// A state that reduces without a look-ahead must have nothing else to do: in
// every other state some look-ahead is an error, rather than a reduction by
// default.
TEST(GrammarTables, OnlyStatesWithASingleReductionReduceByDefault) {
  int defaultStates = 0;
  for (int state = 0; state < grammar::StateCount(); ++state) {
    if (grammar::DefaultReduction(state)) {
      ++defaultStates;
      continue;
    }
    bool someError = false;
    for (int symbol = 0; symbol < grammar::TerminalCount() && !someError; ++symbol)
      someError = grammar::Action(state, symbol) == 0;
    EXPECT_TRUE(someError) << "state " << state;
  }
  EXPECT_GT(defaultStates, 0);
}

TEST(GrammarTables, OnlyTheInitialStateShiftsError) {
  EXPECT_GT(grammar::Action(0, grammar::kErrorSymbol), 0);
  for (int state = 1; state < grammar::StateCount(); ++state)
    EXPECT_LE(grammar::Action(state, grammar::kErrorSymbol), 0) << state;
}
