// for each: the collection (the condition slot) is walked by position, or
// through its enumerator when it is a COM object. The loop keeps the
// collection alive while it runs, whatever the body does to it.
#pragma once
#include "loop_node.h"

class CVariable;

class CForEachNode : public CLoopNode {
public:
  using CLoopNode::CLoopNode;
  ~CForEachNode() override;

  ClassId Id() const override { return ClassId::kForEachNode; }
  // Takes over one reference of the collection; declares the named variables
  // in the body (empty index and key names declare none); returns the body.
  CBlock* Init(TextView value, CValue* collection, TextView index, TextView key);

  CValue* Collection() const { return condition_; }
  CVariable* ValueVariable() const { return value_; }
  CVariable* IndexVariable() const { return index_; }
  CVariable* KeyVariable() const { return key_; }

protected:
  // A plain value (no object) runs no pass.
  void RunPasses(CContext& context) override;

private:
  friend class CForEachNodeStreamer;

  void WalkPositions(CContext& context, CValue* source);
  // Key and index variables are not set.
  void WalkEnumerator(CContext& context, const Value& collection);
  // Holes read as null with an empty key.
  void TakeElement(CValue* source, int32_t position);

  CVariable* value_ = nullptr;  // counted
  CVariable* index_ = nullptr;  // counted, may be null
  CVariable* key_ = nullptr;    // counted, may be null
};
