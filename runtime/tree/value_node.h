// Value nodes: expressions that hold a script value. The value slot points at
// the value the node designates: its own value unless the node is bound to
// another node's value (by-reference arguments, instance members, recursion
// levels).
#pragma once
#include "../value/predicates.h"
#include "node.h"

class CValue : public CNode {
public:
  explicit CValue(CNode* owner) : CNode(owner) {}
  CValue(CNode* owner, const Value& value) : CNode(owner), value_(value) {}

  ClassId Id() const override { return ClassId::kValue; }
  CValue* AsValue() override { return this; }

  // Element by position; null for plain values and for holes.
  virtual CNode* Item(int32_t index);
  virtual void SetObject(CBase* object);
  virtual void SetCountedObject(CBase* object);
  virtual void SetValue(const Value& value);
  // The assignment statement's operation; references forward it.
  virtual void Assign(CContext& context, const Value& value);
  // Brings the value up to date.
  virtual void Compute(CContext& context);
  // Computes the value for a consumer that keeps it: a copy, except where
  // nothing else reads the node's value afterwards.
  virtual Value Take(CContext& context);
  // A new node (count 1) holding a copy; a script object is copied deeply.
  virtual CValue* Deref(CContext& context);
  virtual int32_t Count();
  virtual Value& ValueRef() { return *slot_; }
  // Gives a variable its own value at the current call level, keeping what
  // it designates, so that a reference to it can be handed out.
  virtual Value& WritableRef() { return *slot_; }
  // Gives a variable its own value slot at the current call level.
  virtual void EnsureLevel() {}
  // Variables are passed by reference when written as arguments.
  virtual bool IsVariable() const { return false; }

  Value** SlotAddress() { return &slot_; }
  Value& OwnValue() { return value_; }

protected:
  Value value_;
  Value* slot_ = &value_;
};

// Value helpers for the statements and operators.
inline const Value& Eval(CValue* node, CContext& context) {
  node->Compute(context);
  return node->ValueRef();
}
inline bool EvalBool(CValue* node, CContext& context) { return ValueToBool(Eval(node, context)); }
