// Where a jump ends, fixed at compile time: a return at the body of the
// nearest function (the module at top level), a loop jump at the body of the
// nearest loop, else where a return would end.
#pragma once

class CBlock;
class CNode;

enum class JumpKind { kReturn, kLoop };

CBlock* JumpTarget(CNode* from, JumpKind kind);
