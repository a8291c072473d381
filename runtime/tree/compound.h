// A statement with a body block of its own (created on first use, owned here
// and not one of the owner's children) and a list of branch conditions.
// Base of functions and control statements.
#pragma once
#include "../base/list.h"
#include "statement.h"
#include "value_node.h"

class CCompound : public CLineStatement {
public:
  using CLineStatement::CLineStatement;
  ~CCompound() override;

  ClassId Id() const override { return ClassId::kCompound; }

  CBlock* Body() { return body_ ? body_ : NewBody(); }
  // Takes over one reference of the condition.
  void AddCondition(CValue* condition);
  int32_t ConditionCount() const { return conditions_ ? conditions_->Count() : 0; }
  CValue* Condition(int32_t index) const { return static_cast<CValue*>(conditions_->Get(index)); }

protected:
  friend class CCompoundStreamer;
  friend class CSelectNodeStreamer;

  CBlock* body_ = nullptr;

private:
  CBlock* NewBody();

  CList* conditions_ = nullptr;  // owning
};
