// exit, next, return and raise. Their targets are fixed here, at compile time.
#include "../tree/block.h"
#include "../tree/loops.h"
#include "../tree/statements.h"
#include "build_routines.h"
#include "jump_target.h"

namespace {

void AddJump(const TRule& r, CJumpStmt* jump, CValue* value, JumpKind kind) {
  jump->SetValueExpr(value);
  if (r.builder.AddStatement(jump)) jump->SetTarget(JumpTarget(jump->Owner(), kind));
}

}  // namespace

void BuildExit(const TRule& r) { AddJump(r, new CBreakNode(r.builder.Current()), nullptr, JumpKind::kLoop); }

void BuildExitWhen(const TRule& r) {
  AddJump(r, new CBreakNode(r.builder.Current()), r.TakeValue(3), JumpKind::kLoop);
}

void BuildNext(const TRule& r) { AddJump(r, new CNextNode(r.builder.Current()), nullptr, JumpKind::kLoop); }

void BuildNextWhen(const TRule& r) {
  AddJump(r, new CNextNode(r.builder.Current()), r.TakeValue(3), JumpKind::kLoop);
}

void BuildReturn(const TRule& r) { AddJump(r, new CReturnStmt(r.builder.Current()), nullptr, JumpKind::kReturn); }

void BuildReturnValue(const TRule& r) {
  AddJump(r, new CReturnStmt(r.builder.Current()), r.TakeValue(2), JumpKind::kReturn);
}

void BuildRaise(const TRule& r) {
  auto* raise = new CRaiseNode(r.builder.Current());
  raise->SetValueExpr(r.TakeValue(2));
  r.builder.AddStatement(raise);
}
