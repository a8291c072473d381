// Script objects: object literals, the objects made at run time and by "new",
// class instances and their binding as "this".
#pragma once
#include <vector>

#include "runtime/value/value.h"
#include "runtime/tree/function.h"
#include "runtime/tree/value_node.h"
#include "runtime/base/ref.h"

namespace runtime {

// Script objects: the object literal and the objects made at run time. An
// object's value is a plain reference to itself; its members are named value
// nodes in order.
class CClassInstance;
class CValueList;

class CObjectValue : public CValue {
public:
  explicit CObjectValue(CNode* owner);
  ~CObjectValue() override;

  ClassId Id() const override { return ClassId::kObjectValue; }
  CObjectValue* AsObjectValue() override { return this; }
  bool TruthValue() const override { return MemberCount() > 0; }
  virtual CClassInstance* AsClassInstance() { return nullptr; }

  // Negative positions count from the end; out of range and holes give null.
  CNode* Item(int32_t index) override;
  int32_t Count() override { return MemberCount(); }
  // A literal computes its members once: evaluated again it is the same object.
  void Compute(CContext& context) override;
  // A new object with a deep copy of the members, names kept.
  CValue* Deref(CContext& context) override;

  // Takes over the list.
  void SetMembers(CValueList* members);
  CValueList* Members();
  // Null until the object has had a member.
  CValueList* MemberList() const { return members_; }
  int32_t MemberCount() const;
  // The member of that name, or null.
  CValue* FindMember(TextView name);

protected:
  bool computed_ = false;

private:
  CValueList* members_ = nullptr;
};

// An object made at run time: its members are plain values.
class CObjectInstance : public CObjectValue {
public:
  explicit CObjectInstance(CNode* owner) : CObjectValue(owner) { computed_ = true; }
  ClassId Id() const override { return ClassId::kObjectInstance; }
};

// An object read from a "{" record.
class CRecordInstance : public CObjectInstance {
public:
  using CObjectInstance::CObjectInstance;
  ClassId Id() const override { return ClassId::kRecordInstance; }
};

// new operand: a fresh deep copy of a script object at every evaluation.
class CCopyExpr : public CValue {
public:
  // Takes over the operand.
  CCopyExpr(CNode* owner, CValue* operand);
  ~CCopyExpr() override;

  ClassId Id() const override { return ClassId::kCopyExpr; }
  // A script object is copied and held by a counted reference; any other
  // value is copied as it is.
  void Compute(CContext& context) override;

  CValue* Operand() const { return operand_; }

private:
  friend class CCopyExprStreamer;

  Ref<CValue> operand_;
};

// The object a class call makes. Its members are the variables of the class
// and its bases; while a method runs, those variables are bound to the members.
class CClassInstance : public CRecordInstance {
public:
  struct Binding {
    CValue* variable;  // of the class or a base
    CValue* member;
  };

  // Owned by the class it is an instance of (not counted).
  explicit CClassInstance(CFunction* cls);

  // Not written to compiled images.
  ClassId Id() const override { return ClassId::kNone; }
  CClassInstance* AsClassInstance() override { return this; }

  // One member per variable of the class and then of its bases (a derived
  // variable hides a base's of the same name), starting with the variable's
  // own value (not that of an instance it may be bound to).
  void BuildMembers();

  CFunction* Class() const { return class_; }
  const std::vector<Binding>& Bindings() const { return bindings_; }

private:
  CFunction* class_;
  std::vector<Binding> bindings_;
};

// The class instance a value refers to, or null.
CClassInstance* ClassInstanceOf(const Value& value);

// Makes a class instance "this" for a call: the variables of its class and
// bases read and write its members, "this" refers to it (and keeps it alive),
// and every variable gets its earlier slot back when the binding ends, also
// when the call raised.
class CClassInstance;
class CFunction;

class CInstanceBinding {
public:
  explicit CInstanceBinding(CClassInstance* instance);
  ~CInstanceBinding();
  CInstanceBinding(const CInstanceBinding&) = delete;
  CInstanceBinding& operator=(const CInstanceBinding&) = delete;

private:
  CSlotSaver saver_;
  CFunction* class_;
  Value this_;  // counted
};

}  // namespace runtime
