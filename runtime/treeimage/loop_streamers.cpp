#include "treeimage/loop_streamers.h"

#include "image/bad_format.h"
#include "tree/loops.h"
#include "tree/variable.h"

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
      loop->condition_ = ReadCountedRef<CValue>();
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
      loop->limit_ = ReadCountedRef<CValue>();
      break;
    case kStep:
      loop->step_ = ReadCountedRef<CValue>();
      break;
    case kCounter:
      loop->variable_ = ReadCountedRef<CVariable>();
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
      loop->key_ = ReadCountedRef<CVariable>();
      break;
    case kElement:
      loop->value_ = ReadCountedRef<CVariable>();
      break;
    case kIndex:
      loop->index_ = ReadCountedRef<CVariable>();
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
