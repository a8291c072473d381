// Value nodes, the lists that hold them, and what a value refers to.
#pragma once
#include "runtime/base/list.h"
#include "runtime/value/predicates.h"
#include "runtime/tree/node.h"

namespace runtime {

// Value nodes: expressions that hold a script value. The value slot points at
// the value the node designates: its own value unless the node is bound to
// another node's value (by-reference arguments, instance members, recursion
// levels).
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

// What a value refers to.

// The script object (object-value family) a value refers to, or null.
// Inline: every member and index access asks it.
inline CObjectValue* ScriptObjectOf(const Value& value) {
  CNode* node = NodeOf(value);
  return node ? node->AsObjectValue() : nullptr;
}
// The script function a value refers to, or null.
CFunction* FunctionOf(const Value& value);
// The script function held by a value node's value, or null.
CFunction* FunctionOf(CNode* node);

// Ordered, owning list of value nodes with a name index: the argument lists
// of calls and the member lists of objects. Positions may hold no node (holes
// left by growing the list); they read as null.
class CValueList : public CNamedList {
public:
  CValueList() : CNamedList(true) {}

  ClassId Id() const { return ClassId::kValueList; }

  // Takes over one reference. A named item goes in its name's place (the
  // node there is released) or is appended; an unnamed one is appended.
  void Add(CValue* item);
  // Takes over one reference and stores it at a position, growing the list.
  void PutAt(int32_t index, CValue* item);
  // Takes over one reference and appends an item whose name the list does
  // not hold (the caller has made sure), as Add would; the name index is
  // built only when the list is next looked up or changed.
  void AppendNew(CValue* item) { AppendUnindexed(item); }

  CValue* At(int32_t index) const { return static_cast<CValue*>(Get(index)); }
  CValue* FindValue(TextView name) { return static_cast<CValue*>(Find(name)); }
  // The value at a position; null for holes.
  const Value& ValueAt(int32_t index) const;
  bool HasNames() const { return !Empty(); }

  // Argument access; all accept no list.
  static int32_t ArgCount(const CValueList* list) { return list ? list->Count() : 0; }
  // The item of that name; else the item at position (0-based, -1 for none)
  // when it has no name or that name.
  static CValue* GetArg(CValueList* list, TextView name, int32_t position);
  static bool GetBool(CValueList* list, TextView name, bool fallback, int32_t position);
  static int32_t GetInt(CValueList* list, TextView name, int32_t fallback, int32_t position);
  static Text GetText(CValueList* list, TextView name, TextView fallback, int32_t position);

private:
  // Items are values: the list's plain Add would skip the name handling.
  using CNamedList::Add;

  TextView NameOfItem(const CBase* item) const override {
    return item ? static_cast<const CValue*>(item)->Name() : TextView();
  }
};

// ASCII letters compare without regard to case, as in the name tables.
bool SameName(TextView a, TextView b);

}  // namespace runtime
