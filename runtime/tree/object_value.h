// Script objects: the object literal and the objects made at run time. An
// object's value is a plain reference to itself; its members are named value
// nodes in order.
#pragma once
#include "value_node.h"

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
