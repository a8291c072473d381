// A statement with a body block of its own (created on first use, owned here
// and not one of the owner's children) and a list of branch conditions.
// Base of functions and control statements.
#pragma once
#include "statement.h"

class CList;

class CCompound : public CLineStatement {
public:
  using CLineStatement::CLineStatement;
  ~CCompound() override;

  ClassId Id() const override { return ClassId::kCompound; }

  CBlock* Body();
  // Takes over one reference of the condition.
  void AddCondition(CValue* condition);
  int32_t ConditionCount() const;
  CValue* Condition(int32_t index) const;

protected:
  friend class CCompoundStreamer;
  friend class CSelectNodeStreamer;

  CBlock* body_ = nullptr;

private:
  CList* conditions_ = nullptr;  // owning
};
