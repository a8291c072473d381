// References: names, members and indexes resolved at run time.
#pragma once
#include "runtime/tree/value_node.h"
#include "runtime/base/ref.h"

namespace runtime {

// References: nodes that stand for another node found at run time and pass
// every value operation on to it.
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
  bool IsSpare(const CValue* node) const { return node == spare_; }

  CValue* target_ = nullptr;

private:
  Text refName_;
  Ref<CValue> spare_;
  bool optional_;
};

// Calls the node a value node's value refers to; null when there is none.
const Value& CallHeldNode(CValue* holder, CContext& context, CValueList* args);

// object.name: a member of a script object (made on assignment), a name in a
// function's or class's scope, or a block's or module's own name. COM objects
// are reached through the library chain (read and write calls).
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
  // Keeps the object whose member is the target alive while the target is
  // used; true when that object was held already.
  bool Hold(const Value& object);
  // The COM property value when the target is a COM object's member.
  bool IsComTarget(CValue* target) const { return target && target == comValue_; }

  Ref<CValue> object_;

private:
  friend class CMemberRefStreamer;

  // The member this node's name found last, valid while the member list it
  // was found in keeps the version it had then (a version is never reused,
  // so neither a changed list nor a new one at a freed address matches).
  // Its position serves other objects of the same shape: instances of one
  // class, records of one form.
  struct MemberCache {
    uint64_t version = 0;
    CValue* member = nullptr;
    int32_t position = -1;
  };

  CValue* CachedMember(const CObjectValue* object);
  // Another object's member at the position the cache remembers, if it is
  // the one the name finds there; the cache then keeps that object's version.
  CValue* MemberAtCachedPosition(const CValueList* members);
  void Remember(const CObjectValue* object, CValue* member);

  CValue* ComValue();
  void ReadCom();
  void WriteCom();
  const Value& CallMethod(CContext& context, CClassInstance* instance, CValueList* args);

  Value held_;
  Ref<CValue> comValue_;
  MemberCache cache_;
};

// object[key]: an integer key on a script object is a position (negative
// counts from the end; assigning past the end grows the list, leaving holes
// that read as null); any other key is the name of a member.
class CIndexRef : public CMemberRef {
public:
  // Takes over both expressions.
  CIndexRef(CNode* owner, CValue* object, CValue* key);
  ~CIndexRef() override;

  ClassId Id() const override { return ClassId::kIndexRef; }
  CValue* Key() const { return key_; }

protected:
  CValue* Resolve(CContext& context, bool forAssign) override;

private:
  friend class CIndexRefStreamer;

  CValue* ElementAt(CObjectValue* object, int64_t index, bool forAssign);
  // The element made at a hole or past the end, for an assignment.
  CValue* NewElement(CObjectValue* object, int64_t position);

  Ref<CValue> key_;
  // The object's and the key's nodes when they are read in place (SlotHolder).
  CValue* plainObject_ = nullptr;
  CValue* plainKey_ = nullptr;
  bool operandsKnown_ = false;
  // The script object of the held object, so that the same list indexed
  // again is not looked at again.
  CObjectValue* heldScript_ = nullptr;
};

// The variable a variable node, or a name reference once resolved, stands
// for; null for anything else.
CValue* VariableOf(CValue* node);

// The node whose value slot holds what a node designates, where reading it
// needs no computing: a constant, a variable, or the constant or variable a
// resolved name stands for. Null for every other node and for a name not yet
// resolved. Operators and statements decide this once and then read the slot
// (*SlotAddress()) in place of the virtual Compute and ValueRef.
CValue* SlotHolder(CValue* node);
// The slot of a slot holder, for a write: a variable gets a value of its own
// at the current call level first, as its SetValue would give it.
inline Value& SlotToWrite(CValue* holder) {
  holder->EnsureLevel();
  return **holder->SlotAddress();
}

}  // namespace runtime
