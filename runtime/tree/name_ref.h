// References: nodes that stand for another node found at run time and pass
// every value operation on to it.
#pragma once
#include "value_node.h"

class CRef : public CValue {
public:
  using CValue::CValue;
  ClassId Id() const override { return ClassId::kRef; }
};

// A name resolved through the enclosing scopes, once: the target is cached.
// An optional name that no scope defines stands for a fresh empty value.
class CNameRef : public CRef {
public:
  CNameRef(CNode* owner, TextView name, bool optional);
  ~CNameRef() override;

  ClassId Id() const override { return ClassId::kNameRef; }
  const Text& RefName() const { return refName_; }
  bool Optional() const { return optional_; }
  // The node the name was resolved to, or null before it is resolved.
  CValue* ResolvedTarget() const { return target_; }

  CNode* Item(int32_t index) override { return Target()->Item(index); }
  void SetObject(CBase* object) override { Target()->SetObject(object); }
  void SetCountedObject(CBase* object) override { Target()->SetCountedObject(object); }
  void SetValue(const Value& value) override { Target()->SetValue(value); }
  void Assign(CContext& context, const Value& value) override { Target()->Assign(context, value); }
  void Compute(CContext& context) override;
  // A target holding a script object counts its elements.
  int32_t Count() override;
  Value& ValueRef() override { return Target()->ValueRef(); }
  Value& WritableRef() override { return Target()->WritableRef(); }
  // Calls the node the target's value refers to; anything else yields null.
  const Value& Call(CContext& context, CValueList* args) override;

protected:
  friend class CNameRefStreamer;
  friend class CMemberRefStreamer;

  // The node the operations go to: the cached target, else what Unresolved
  // gives. Inline, as every operation of a reference passes through it.
  CValue* Target() { return target_ ? target_ : Unresolved(); }
  // Looks the name up and caches what it finds.
  virtual CValue* Unresolved();
  // Raises "not found" messages, or for an optional reference gives the spare node.
  CValue* Missing(TextView message);
  // An owned empty node, emptied again whenever it is handed out.
  CValue* Spare();

  CValue* target_ = nullptr;

private:
  Text refName_;
  CValue* spare_ = nullptr;  // owned
  bool optional_;
};

// Calls the node a value node's value refers to; null when there is none.
const Value& CallHeldNode(CValue* holder, CContext& context, CValueList* args);
