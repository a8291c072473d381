// What a rule routine works on: the builder, the values of the rule's right
// side ($1..$n, and $0, $-1 ... before it) and the rule's own value.
#pragma once
#include "../tree/block.h"
#include "../tree/value_node.h"
#include "tree_builder.h"

struct TRule {
  TTreeBuilder& builder;
  const TRuleValues& values;
  TParseValue& result;

  TParseValue& operator[](int i) const { return values[i]; }
  const Text& TextOf(int i) const { return values[i].text; }
  CNode* Take(int i) const { return builder.Take(values[i]); }
  CValue* TakeValue(int i) const { return builder.TakeValue(values[i]); }
  void Give(CNode* node) const { builder.Give(result, node); }
  // The rule's value is that of its i-th symbol.
  void Pass(int i) const {
    result.node = values[i].node;
    values[i].node = nullptr;
  }
};

using TRuleRoutine = void (*)(const TRule& rule);

// The routine of a rule number, null for rules without one.
TRuleRoutine RuleRoutine(int rule);
