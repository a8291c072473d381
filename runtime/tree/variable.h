// Variables, and the variables a statement declares for itself.
#pragma once
#include "runtime/text.h"
#include "runtime/tree/value_node.h"

namespace runtime {

// Variables: named value nodes in a block's name table. A variable of a
// function keeps one value per active call on a variable stack.
class CBlock;
class CVarStack;

class CVariable : public CValue {
public:
  using CValue::CValue;
  ClassId Id() const override { return ClassId::kVariable; }
  bool IsVariable() const override { return true; }

  // A variable of the scope: stacked inside a function, plain elsewhere.
  // With a name it enters the scope's name table, which holds it; without,
  // the caller holds it.
  static CVariable* Declare(CBlock* scope, TextView name);
};

class CStackVariable : public CVariable {
public:
  CStackVariable(CNode* owner, CFunction* function);
  ~CStackVariable() override;

  ClassId Id() const override { return ClassId::kStackVariable; }
  void SetObject(CBase* object) override;
  void SetCountedObject(CBase* object) override;
  void SetValue(const Value& value) override;
  void Assign(CContext& context, const Value& value) override;
  Value& WritableRef() override;
  void EnsureLevel() override;

private:
  friend class CStackVariableStreamer;
  // The image reader's: the stack comes with the record.
  explicit CStackVariable(CNode* owner) : CVariable(owner), stack_(nullptr) {}

  CVarStack* stack_;
};

// Variables that a statement declares in one of its blocks and keeps a
// pointer to ("@", loop variables).
class CBlock;
class CVariable;

// Declares the variable and gives the caller a reference of its own; a
// named variable is also held by the scope's name table.
CVariable* DeclareHeld(CBlock* scope, TextView name);

}  // namespace runtime
