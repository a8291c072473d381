// Match values: the walk through the matches of one search. A match value
// keeps its engine, so one that a script stores, or that an action keeps,
// goes on working after the operation that made it has ended.
#pragma once
#include "../tree/value_node.h"

class CRegex;

class CMatchValue : public CValue {
public:
  // Takes a reference to the engine.
  explicit CMatchValue(CRegex* engine);
  ~CMatchValue() override;

  // Made at run time only, so never in compiled images.
  ClassId Id() const override { return ClassId::kNone; }
  // True while the engine holds a match.
  bool TruthValue() const override;

  CRegex& Engine() const { return *engine_; }

private:
  CRegex* engine_;  // counted
};

// The match value a value refers to, or null.
CMatchValue* MatchValueOf(const Value& value);
CMatchValue* MatchValueOf(CNode* node);
