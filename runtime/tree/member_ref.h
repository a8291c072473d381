// object.name: a member of a script object (made on assignment), a name in a
// function's or class's scope, or a block's or module's own name. COM objects
// are reached through the library chain (read and write calls).
#pragma once
#include "name_ref.h"

class CClassInstance;

class CMemberRef : public CNameRef {
public:
  // Takes over the object expression.
  CMemberRef(CNode* owner, TextView name, CValue* object, bool optional);
  ~CMemberRef() override;

  ClassId Id() const override { return ClassId::kMemberRef; }
  CValue* ObjectExpr() const { return object_; }

  void Compute(CContext& context) override;
  void Assign(CContext& context, const Value& value) override;
  // Methods of a class instance run with the instance as "this"; other
  // receivers go to the library chain first, then to their own member.
  const Value& Call(CContext& context, CValueList* args) override;

protected:
  // Before Compute finds a target: the spare empty node.
  CValue* Unresolved() override;
  // Computes the object (and key) and finds the member, creating it for an assignment.
  virtual CValue* Resolve(CContext& context, bool forAssign);
  // The member of a computed object value.
  CValue* MemberOf(const Value& object, TextView name, bool forAssign);
  // Keeps the object whose member is the target alive while the target is used.
  void Hold(const Value& object);
  // The COM property value when the target is a COM object's member.
  bool IsComTarget(CValue* target) const { return target && target == comValue_; }

  CValue* object_;  // owned

private:
  friend class CMemberRefStreamer;

  CValue* ComValue();
  void ReadCom();
  void WriteCom();
  const Value& CallMethod(CContext& context, CClassInstance* instance, CValueList* args);

  Value held_;
  CValue* comValue_ = nullptr;  // owned
};
