#include <gtest/gtest.h>

#include <string>

#include "parse/grammar_tables.h"
#include "parse/tokens.h"

namespace {

struct Rule {
  const char* leftSide;
  int length;
};

// The grammar's rules in their numbered order: the tree builder keys on these
// numbers.
const Rule kRules[] = {
    {"unit", 1},  // 1
    {"unit", 1},
    {"statement", 3},
    {"statement", 3},
    {"statement", 1},  // 5
    {"statement", 3},
    {"statement", 3},
    {"statement", 1},
    {"statement", 3},
    {"statement", 5},  // 10
    {"statement", 7},
    {"statement", 7},
    {"statement", 9},
    {"statement", 7},
    {"statement", 9},  // 15
    {"statement", 1},
    {"statement", 1},
    {"statement", 1},
    {"statement", 3},
    {"statement", 3},  // 20
    {"statement", 5},
    {"statement", 2},
    {"statement", 1},
    {"statement", 1},
    {"statement", 2},  // 25
    {"loop_word", 1},
    {"loop_word", 1},
    {"end_word", 1},
    {"end_word", 1},
    {"end_word", 1},  // 30
    {"end_word", 1},
    {"end_word", 1},
    {"end_word", 1},
    {"end_word", 1},
    {"simple_statement", 2},  // 35
    {"simple_statement", 1},
    {"simple_statement", 3},
    {"simple_statement", 1},
    {"simple_statement", 3},
    {"simple_statement", 1},  // 40
    {"simple_statement", 2},
    {"simple_statement", 2},
    {"simple_statement", 2},
    {"simple_statement", 4},
    {"simple_statement", 2},  // 45
    {"simple_statement", 4},
    {"short_function_start", 0},
    {"simple_statement", 6},
    {"simple_statement", 3},
    {"simple_statement", 3},  // 50
    {"simple_statement", 1},
    {"simple_statement", 2},
    {"simple_statement", 3},
    {"simple_statement", 3},
    {"simple_statement", 3},  // 55
    {"operation", 3},
    {"operation", 3},
    {"operation", 2},
    {"operation", 3},
    {"operation", 3},  // 60
    {"operation", 3},
    {"operation", 3},
    {"operation", 3},
    {"operation", 3},
    {"operation", 2},  // 65
    {"operation", 3},
    {"operation", 3},
    {"operation", 3},
    {"operation", 2},
    {"operation", 1},  // 70
    {"lambda_start", 0},
    {"operation", 4},
    {"lambda1_start", 0},
    {"operation", 4},
    {"lambda0_start", 0},  // 75
    {"operation", 3},
    {"operation", 2},
    {"operation", 2},
    {"operation", 2},
    {"operation", 3},  // 80
    {"expr", 1},
    {"expr", 1},
    {"primary", 1},
    {"primary", 1},
    {"primary", 1},  // 85
    {"primary", 3},
    {"target", 1},
    {"target", 1},
    {"name", 1},
    {"name", 2},  // 90
    {"name", 3},
    {"name", 4},
    {"name", 3},
    {"literal", 1},
    {"literal", 2},  // 95
    {"literal", 1},
    {"literal", 1},
    {"literal", 1},
    {"literal", 1},
    {"literal", 1},  // 100
    {"literal", 1},
    {"literal", 1},
    {"params", 3},
    {"call", 4},
    {"list", 3},  // 105
    {"list", 4},
    {"index", 4},
    {"param_list", 0},
    {"param_list", 1},
    {"param_list", 3},  // 110
    {"arg_list", 0},
    {"arg_list", 1},
    {"arg_list", 3},
    {"arg", 1},
    {"arg", 3},  // 115
    {"arg", 3},
};

std::string TokenName(int token) { return grammar::SymbolName(grammar::TokenSymbol(token)); }

}  // namespace

TEST(GrammarTables, RulesKeepTheirNumbers) {
  ASSERT_EQ(grammar::RuleCount(), int(std::size(kRules)));
  for (int rule = 1; rule <= grammar::RuleCount(); ++rule) {
    EXPECT_EQ(grammar::SymbolName(grammar::RuleLeftSide(rule)), std::string(kRules[rule - 1].leftSide)) << rule;
    EXPECT_EQ(grammar::RuleLength(rule), kRules[rule - 1].length) << rule;
  }
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
