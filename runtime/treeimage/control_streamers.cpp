#include "treeimage/control_streamers.h"

#include "base/list.h"
#include "image/bad_format.h"
#include "tree/block.h"
#include "tree/control_nodes.h"
#include "tree/variable.h"

namespace {

enum SelectField : int32_t { kConditions = 0, kElse = 1 };
enum CaseField : int32_t { kSubject = 0, kSelector = 1 };
enum TryField : int32_t { kMessage = 0, kExcept = 1, kFinally = 2 };

void CheckConditions(const CList* conditions) {
  if (!conditions) return;
  if (!conditions->OwnsItems()) RaiseBadFormat();
  for (int32_t i = 0; i < conditions->Count(); ++i) {
    CBase* condition = conditions->Get(i);
    CNode* node = condition ? condition->AsNode() : nullptr;
    if (!node || !node->AsValue()) RaiseBadFormat();
  }
}

}  // namespace

void CCompoundStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kCompound)) return CLineStatementStreamer::ReadFields(group, index);
  if (index != 0) RaiseBadFormat();
  NodeAs<CCompound>()->body_ = ReadCountedRef<CBlock>();
}

void CSelectNodeStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kSelectNode)) return CCompoundStreamer::ReadFields(group, index);
  auto* select = NodeAs<CSelectNode>();
  switch (index) {
    case kConditions:
      select->conditions_ = ReadCountedRef<CList>();
      break;
    case kElse:
      select->else_ = ReadCountedRef<CBlock>();
      break;
    default:
      RaiseBadFormat();
  }
}

void CSelectNodeStreamer::Finish() {
  CCompoundStreamer::Finish();
  CheckConditions(NodeAs<CSelectNode>()->conditions_);
}

void CCaseNodeStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kCaseNode)) return CSelectNodeStreamer::ReadFields(group, index);
  auto* node = NodeAs<CCaseNode>();
  switch (index) {
    case kSubject:
      node->subject_ = ReadCountedRef<CVariable>();
      break;
    case kSelector:
      node->selector_ = ReadCountedRef<CValue>();
      break;
    default:
      RaiseBadFormat();
  }
}

void CCaseNodeStreamer::Finish() {
  CSelectNodeStreamer::Finish();
  RequireNode(NodeAs<CCaseNode>()->subject_);
  RequireNode(NodeAs<CCaseNode>()->selector_);
}

void CTryNodeStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kTryNode)) return CCompoundStreamer::ReadFields(group, index);
  auto* node = NodeAs<CTryNode>();
  switch (index) {
    case kMessage:
      node->message_ = ReadCountedRef<CVariable>();
      break;
    case kExcept:
      node->except_ = ReadRefAndRecord<CBlock>(ReferenceKind::kCounted, exceptRecord_);
      break;
    case kFinally:
      node->finally_ = ReadCountedRef<CBlock>();
      break;
    default:
      RaiseBadFormat();
  }
}

// Declaring "@" looks for the enclosing function through the owners of the
// except block, so their chain is checked first.
void CTryNodeStreamer::Finish() {
  CCompoundStreamer::Finish();
  auto* node = NodeAs<CTryNode>();
  if (!node->except_ || node->message_) return;
  NodeStreamerOf(exceptRecord_).OwnerDepth();
  node->message_ = DeclareHeld(node->except_, QT("@"));
}
