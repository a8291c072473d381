// Loops: loop and while, the numeric for, for each, and the jumps that end a
// pass.
#pragma once
#include "runtime/base/base.h"
#include "runtime/value/value.h"
#include "runtime/tree/control_nodes.h"
#include "runtime/tree/statements.h"
#include "runtime/base/ref.h"

namespace runtime {

// loop / while, and the base of the for loops. exit sets the stop flag; the
// loop clears it when it finishes, also when an error leaves it, so a stale
// flag never ends a later run early. A return passing the loop ends it.
class CLoopNode : public CControlNode {
public:
  using CControlNode::CControlNode;
  ~CLoopNode() override;

  ClassId Id() const override { return ClassId::kLoopNode; }
  // Takes over one reference of the condition (may be null); returns the body.
  CBlock* Init(CValue* condition);
  void Execute(CContext& context) override;
  void StopLoop() override { stop_ = true; }

  CValue* LoopCondition() const { return condition_; }
  bool Stopping() const { return stop_; }

protected:
  friend class CLoopNodeStreamer;

  // The passes of the loop; Execute clears the stop flag when they raise.
  virtual void RunPasses(CContext& context);
  // Runs the body once; false when the loop must finish.
  bool RunPass(CContext& context);
  void SetCondition(CValue* condition);

  Ref<CValue> condition_;

private:
  bool stop_ = false;
};

// for v = start to limit [step s]: start (the condition slot), limit and step
// are computed once, as 32-bit integers. The counter runs in 64 bits, so a
// loop that reaches the end of the integer range ends there.
class CVariable;

class CForNode : public CLoopNode {
public:
  using CLoopNode::CLoopNode;
  ~CForNode() override;

  ClassId Id() const override { return ClassId::kForNode; }
  // Takes over one reference of each expression (step may be null); declares
  // the variable in the body and returns the body.
  CBlock* Init(TextView variable, CValue* start, CValue* limit, CValue* step);

  CValue* Start() const { return condition_; }
  CValue* Limit() const { return limit_; }
  CValue* Step() const { return step_; }
  CVariable* Variable() const { return variable_; }

protected:
  // A step of 0 runs no pass.
  void RunPasses(CContext& context) override;

private:
  friend class CForNodeStreamer;

  Ref<CValue> limit_;
  Ref<CValue> step_;
  Ref<CVariable> variable_;
};

// for each: the collection (the condition slot) is walked by position, or
// through its enumerator when it is a COM object. The loop keeps the
// collection alive while it runs, whatever the body does to it.
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

  Ref<CVariable> value_;
  Ref<CVariable> index_;  // may be null
  Ref<CVariable> key_;  // may be null
};

// The seam through which "for each" walks a COM collection: the COM bridge
// registers a factory that wraps the object's enumerator. Builds without the
// bridge raise a clear error for such a loop.
class CElementEnumerator : public CBase {
public:
  // Fetches the next element into element; false at the end.
  virtual bool Next(Value& element) = 0;
};

// Returns a new enumerator (count 1) for a COM object, or raises.
using EnumeratorFactory = CElementEnumerator* (*)(const Value& collection);

// A null factory removes it.
void RegisterDispatchEnumerator(EnumeratorFactory factory);
CElementEnumerator* NewDispatchEnumerator(const Value& collection);

// next [when c] and exit [when c]: the condition sits in the value slot and
// the target is the loop's body block. Both end the current pass; exit also
// stops the loop.
class CNextNode : public CJumpStmt {
public:
  using CJumpStmt::CJumpStmt;
  ClassId Id() const override { return ClassId::kNextNode; }
  // A false condition makes no jump.
  void Execute(CContext& context) override;
};

class CBreakNode : public CNextNode {
public:
  using CNextNode::CNextNode;
  ClassId Id() const override { return ClassId::kBreakNode; }
  // Stops the loop whose body is the target; outside loops nothing more.
  void AfterJump() override;
};

}  // namespace runtime
