#include "for_node.h"

#include "../value/convert.h"
#include "block.h"
#include "held_variable.h"
#include "variable.h"

CForNode::~CForNode() {
  ReleaseObject(variable_);
  ReleaseObject(step_);
  ReleaseObject(limit_);
}

CBlock* CForNode::Init(TextView variable, CValue* start, CValue* limit, CValue* step) {
  SetCondition(start);
  ReleaseObject(limit_);
  limit_ = limit;
  ReleaseObject(step_);
  step_ = step;
  ReleaseObject(variable_);
  variable_ = DeclareHeld(Body(), variable);
  return Body();
}

void CForNode::RunPasses(CContext& context) {
  const int64_t start = ToInt32(Eval(condition_, context));
  const int64_t limit = ToInt32(Eval(limit_, context));
  const int64_t step = step_ ? ToInt32(Eval(step_, context)) : 1;
  Value counter;
  for (int64_t i = start; step > 0 ? i <= limit : step < 0 && i >= limit; i += step) {
    counter.SetInt(int32_t(i));
    variable_->SetValue(counter);
    if (!RunPass(context)) return;
  }
}
