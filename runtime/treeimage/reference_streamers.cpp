#include "treeimage/reference_streamers.h"

#include "image/bad_format.h"
#include "tree/call.h"
#include "tree/references.h"
#include "tree/value_node.h"
#include "tree/variable.h"

namespace {

enum NameRefField : int32_t { kTarget = 0, kRefName = 1, kOptional = 2 };
enum MemberRefField : int32_t { kPlaceholder = 0, kComValue = 1, kObject = 2 };
enum CallField : int32_t { kCallee = 0, kDeferred = 1, kArguments = 2 };

void RequirePlainValue(const CValue* node) {
  if (node && node->Id() != ClassId::kValue) RaiseBadFormat();
}

}  // namespace

void CNameRefStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kNameRef)) return CValueStreamer::ReadFields(group, index);
  auto* reference = NodeAs<CNameRef>();
  switch (index) {
    case kTarget:
      reference->target_ = ReadRecordRef<CVariable>();
      break;
    case kRefName:
      reference->refName_ = ReadText();
      break;
    case kOptional:
      reference->optional_ = ReadBool();
      break;
    default:
      RaiseBadFormat();
  }
}

void CMemberRefStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kMemberRef)) return CNameRefStreamer::ReadFields(group, index);
  auto* reference = NodeAs<CMemberRef>();
  switch (index) {
    case kPlaceholder:
      reference->spare_ = ReadCountedRef<CValue>();
      break;
    case kComValue:
      reference->comValue_ = ReadCountedRef<CValue>();
      break;
    case kObject:
      reference->object_ = ReadCountedRef<CValue>();
      break;
    default:
      RaiseBadFormat();
  }
}

void CMemberRefStreamer::Finish() {
  CNameRefStreamer::Finish();
  auto* reference = NodeAs<CMemberRef>();
  RequireNode(reference->object_);
  RequirePlainValue(reference->spare_);
  RequirePlainValue(reference->comValue_);
}

void CIndexRefStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kIndexRef)) return CMemberRefStreamer::ReadFields(group, index);
  if (index != 0) RaiseBadFormat();
  NodeAs<CIndexRef>()->key_ = ReadCountedRef<CValue>();
}

void CIndexRefStreamer::Finish() {
  CMemberRefStreamer::Finish();
  RequireNode(NodeAs<CIndexRef>()->key_);
}

void CCallStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kCall)) return CValueStreamer::ReadFields(group, index);
  auto* call = NodeAs<CCall>();
  switch (index) {
    case kCallee:
      call->callee_ = ReadCountedRef<CValue>();
      break;
    case kDeferred:
      call->SetDeferred(ReadBool());
      break;
    case kArguments:
      call->args_ = ReadCountedRef<CValueList>();
      break;
    default:
      RaiseBadFormat();
  }
}

void CCallStreamer::Finish() {
  CValueStreamer::Finish();
  RequireNode(NodeAs<CCall>()->callee_);
}
