#include "compound.h"

#include "../base/list.h"
#include "block.h"
#include "value_node.h"

CCompound::~CCompound() {
  ReleaseObject(conditions_);
  ReleaseObject(body_);
}

CBlock* CCompound::Body() {
  if (!body_) body_ = new CBlock(this);
  return body_;
}

void CCompound::AddCondition(CValue* condition) {
  if (!conditions_) conditions_ = new CList(true);
  conditions_->Put(condition, -1);
}

int32_t CCompound::ConditionCount() const { return conditions_ ? conditions_->Count() : 0; }

CValue* CCompound::Condition(int32_t index) const { return static_cast<CValue*>(conditions_->Get(index)); }
