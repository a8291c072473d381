#include "runtime/treeimage/block_streamers.h"

#include <unordered_set>

#include "runtime/base/list.h"
#include "runtime/image/image_reader.h"
#include "runtime/image/streamer.h"
#include "runtime/tree/block.h"
#include "runtime/tree/control_nodes.h"
#include "runtime/tree/loops.h"
#include "runtime/tree/variable.h"
#include "runtime/treeimage/node_streamer.h"

namespace runtime {

namespace {

enum BlockField : int32_t { kChildren = 0, kUsedModules = 1, kNames = 2, kBreak = 3 };
enum ModuleField : int32_t { kLookupGuard = 0, kNextModule = 2, kRan = 3 };

// Replaces a list the block made with the record's, when there is one.
template <class T>
void TakeOver(T*& field, T* list) {
  if (!list) return;
  field->Release();
  field = list;
}

void CheckChildren(const CList& children) {
  if (!children.OwnsItems()) RaiseBadFormat();
  for (int32_t i = 0; i < children.Count(); ++i) {
    CBase* child = children.Get(i);
    if (!child || !child->AsNode()) RaiseBadFormat();
  }
}

void CheckUsedModules(const CList& used, const CList& children) {
  if (used.OwnsItems()) RaiseBadFormat();
  if (used.Count() == 0) return;
  std::unordered_set<const CBase*> held;
  for (int32_t i = 0; i < children.Count(); ++i) held.insert(children.Get(i));
  for (int32_t i = 0; i < used.Count(); ++i) {
    CBase* module = used.Get(i);
    if (!dynamic_cast<CModule*>(module) || !held.contains(module)) RaiseBadFormat();
  }
}

}  // namespace

void CBlockStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kBlock)) return CNodeStreamer::ReadFields(group, index);
  auto* block = NodeAs<CBlock>();
  switch (index) {
    case kChildren:
      TakeOver(block->children_, ReadCountedRef<CList>());
      break;
    case kUsedModules:
      TakeOver(block->usedModules_, ReadCountedRef<CList>());
      break;
    case kNames:
      ReadRefAndRecord<CTrie>(ReferenceKind::kConsumed, namesRecord_);
      break;
    case kBreak:
      // A jump under way lives in the context now; images at rest have none.
      ReadBool();
      break;
    default:
      RaiseBadFormat();
  }
}

void CBlockStreamer::Finish() {
  CNodeStreamer::Finish();
  auto* block = NodeAs<CBlock>();
  if (namesRecord_) TakeOver(block->names_, BlockNamesOf(Reader().StreamerOf(namesRecord_)));
  CheckChildren(*block->children_);
  CheckUsedModules(*block->usedModules_, *block->children_);
}

void CModuleStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kModule)) return CBlockStreamer::ReadFields(group, index);
  switch (index) {
    case kLookupGuard:
      ReadCompactInt();
      break;
    case kNextModule:
      ReadRecordRef<CModule>();
      break;
    case kRan:
      NodeAs<CModule>()->ran_ = ReadBool();
      break;
    default:
      RaiseBadFormat();
  }
}

void CModuleStreamer::Finish() {
  CBlockStreamer::Finish();
  if (NodeAs<CModule>()->Owner()) RaiseBadFormat();
}

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
      select->else_ = Adopt(ReadCountedRef<CBlock>());
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
      node->subject_ = Adopt(ReadCountedRef<CVariable>());
      break;
    case kSelector:
      node->selector_ = Adopt(ReadCountedRef<CValue>());
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
      node->message_ = Adopt(ReadCountedRef<CVariable>());
      break;
    case kExcept:
      node->except_ = Adopt(ReadRefAndRecord<CBlock>(ReferenceKind::kCounted, exceptRecord_));
      break;
    case kFinally:
      node->finally_ = Adopt(ReadCountedRef<CBlock>());
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
  node->message_ = Adopt(DeclareHeld(node->except_, QT("@")));
}

namespace {

enum LoopField : int32_t { kCondition = 0, kStop = 1 };
enum ForField : int32_t { kLimit = 0, kStep = 1, kCounter = 2 };
enum ForEachField : int32_t { kKey = 0, kElement = 1, kIndex = 2 };

}  // namespace

void CLoopNodeStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kLoopNode)) return CCompoundStreamer::ReadFields(group, index);
  auto* loop = NodeAs<CLoopNode>();
  switch (index) {
    case kCondition:
      loop->condition_ = Adopt(ReadCountedRef<CValue>());
      break;
    case kStop:
      if (ReadBool()) loop->StopLoop();
      break;
    default:
      RaiseBadFormat();
  }
}

void CForNodeStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kForNode)) return CLoopNodeStreamer::ReadFields(group, index);
  auto* loop = NodeAs<CForNode>();
  switch (index) {
    case kLimit:
      loop->limit_ = Adopt(ReadCountedRef<CValue>());
      break;
    case kStep:
      loop->step_ = Adopt(ReadCountedRef<CValue>());
      break;
    case kCounter:
      loop->variable_ = Adopt(ReadCountedRef<CVariable>());
      break;
    default:
      RaiseBadFormat();
  }
}

void CForNodeStreamer::Finish() {
  CLoopNodeStreamer::Finish();
  auto* loop = NodeAs<CForNode>();
  RequireNode(loop->condition_);
  RequireNode(loop->limit_);
  RequireNode(loop->variable_);
}

void CForEachNodeStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kForEachNode)) return CLoopNodeStreamer::ReadFields(group, index);
  auto* loop = NodeAs<CForEachNode>();
  switch (index) {
    case kKey:
      loop->key_ = Adopt(ReadCountedRef<CVariable>());
      break;
    case kElement:
      loop->value_ = Adopt(ReadCountedRef<CVariable>());
      break;
    case kIndex:
      loop->index_ = Adopt(ReadCountedRef<CVariable>());
      break;
    default:
      RaiseBadFormat();
  }
}

void CForEachNodeStreamer::Finish() {
  CLoopNodeStreamer::Finish();
  auto* loop = NodeAs<CForEachNode>();
  RequireNode(loop->condition_);
  RequireNode(loop->value_);
}

}  // namespace runtime
