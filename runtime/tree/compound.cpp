#include "compound.h"

#include "../base/list.h"
#include "block.h"
#include "value_node.h"

CCompound::~CCompound() {
  ReleaseObject(conditions_);
  ReleaseObject(body_);
}

CBlock* CCompound::NewBody() {
  body_ = new CBlock(this);
  return body_;
}

void CCompound::AddCondition(CValue* condition) {
  if (!conditions_) conditions_ = new CList(true);
  conditions_->Put(condition, -1);
}
