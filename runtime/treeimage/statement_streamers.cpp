#include "treeimage/statement_streamers.h"

#include "image/bad_format.h"
#include "tree/block.h"
#include "tree/statements.h"
#include "tree/value_node.h"

namespace {

enum JumpField : int32_t { kJumpValue = 0, kJumpTarget = 1 };
enum AssignField : int32_t { kAssignTarget = 0, kAssignExpression = 1 };

}  // namespace

void CJumpStmtStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kJumpStmt)) return CLineStatementStreamer::ReadFields(group, index);
  auto* jump = NodeAs<CJumpStmt>();
  switch (index) {
    case kJumpValue:
      jump->SetValueExpr(ReadCountedRef<CValue>());
      break;
    case kJumpTarget:
      jump->SetTarget(ReadRecordRef<CBlock>());
      break;
    default:
      RaiseBadFormat();
  }
}

void CAssignStmtStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kAssignStmt)) return CLineStatementStreamer::ReadFields(group, index);
  auto* assign = NodeAs<CAssignStmt>();
  switch (index) {
    case kAssignTarget:
      assign->target_ = ReadCountedRef<CValue>();
      break;
    case kAssignExpression:
      assign->expression_ = ReadCountedRef<CValue>();
      break;
    default:
      RaiseBadFormat();
  }
}

void CAssignStmtStreamer::Finish() {
  CLineStatementStreamer::Finish();
  RequireNode(NodeAs<CAssignStmt>()->target_);
  RequireNode(NodeAs<CAssignStmt>()->expression_);
}

void CExprStmtStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kExprStmt)) return CLineStatementStreamer::ReadFields(group, index);
  if (index != 0) RaiseBadFormat();
  NodeAs<CExprStmt>()->expression_ = ReadCountedRef<CValue>();
}

void CExprStmtStreamer::Finish() {
  CLineStatementStreamer::Finish();
  RequireNode(NodeAs<CExprStmt>()->expression_);
}

void CPrintStmtStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kPrintStmt)) return CExprStmtStreamer::ReadFields(group, index);
  if (index != 0) RaiseBadFormat();
  NodeAs<CPrintStmt>()->suffix_ = ReadText();
}
