#include "jump_target.h"

#include "../tree/block.h"
#include "../tree/loops.h"

namespace {

bool EndsJump(CNode* owner, JumpKind kind) {
  return owner->AsFunction() || (kind == JumpKind::kLoop && dynamic_cast<CLoopNode*>(owner));
}

}  // namespace

CBlock* JumpTarget(CNode* from, JumpKind kind) {
  CNode* node = from;
  while (node->Owner() && !EndsJump(node->Owner(), kind)) node = node->Owner();
  return node->AsBlock();
}
