#include "runtime/treeimage/reference_streamers.h"

#include "runtime/base/list.h"
#include "runtime/image/streamer.h"
#include "runtime/tree/block.h"
#include "runtime/tree/call.h"
#include "runtime/tree/function.h"
#include "runtime/tree/references.h"
#include "runtime/tree/value_node.h"
#include "runtime/tree/variable.h"
#include "runtime/treeimage/value_streamers.h"
#include "runtime/value/var_stack.h"

namespace runtime {

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
      reference->spare_ = Adopt(ReadCountedRef<CValue>());
      break;
    case kComValue:
      reference->comValue_ = Adopt(ReadCountedRef<CValue>());
      break;
    case kObject:
      reference->object_ = Adopt(ReadCountedRef<CValue>());
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
  NodeAs<CIndexRef>()->key_ = Adopt(ReadCountedRef<CValue>());
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

namespace {

enum FunctionField : int32_t {
  kBaseVariable = 0,
  kResult = 1,
  kMethod = 2,
  kParameters = 3,
  kFunctionLevels = 4,
  kThis = 5,
  kBaseFunction = 6,
  kLocalNames = 7,
  kFunctionName = 8,
};

CVariable* NewLocal(CFunction* function, TextView name) {
  auto* variable = new CStackVariable(function->Body(), function);
  variable->SetName(name);
  return variable;
}

}  // namespace

CBase* CFunctionStreamer::NewNode(CStreamer&) { return new CFunction(); }

void CFunctionStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kFunction)) return CCompoundStreamer::ReadFields(group, index);
  auto* function = NodeAs<CFunction>();
  int32_t record = 0;
  switch (index) {
    case kBaseVariable:
      function->base_ = ReadCountedRef<CVariable>();
      break;
    case kResult:
      function->result_ = ReadCountedRef<CVariable>();
      break;
    case kMethod:
      function->isClass_ = ReadBool();
      break;
    case kParameters:
      function->parameters_ = ReadRefAndRecord<CValueList>(ReferenceKind::kCounted, record);
      if (record) ValueListStreamerOf(*this, record).RequireVariables();
      break;
    case kFunctionLevels:
      if (auto* levels = ReadCountedRef<CVarLevels>()) {
        function->levels_->Release();
        function->levels_ = levels;
      }
      break;
    case kThis:
      function->this_ = ReadCountedRef<CVariable>();
      break;
    case kBaseFunction:
      function->baseFunction_ = ReadCountedRef<CFunction>();
      function->baseCounted_ = function->baseFunction_ != nullptr;
      if (function->baseFunction_) function->baseFunction_->isBase_ = true;
      break;
    case kLocalNames:
      ReadConsumedRef<CTrie>();
      break;
    case kFunctionName:
      function->SetName(ReadText());
      break;
    default:
      RaiseBadFormat();
  }
}

void CFunctionStreamer::Finish() {
  CCompoundStreamer::Finish();
  auto* function = NodeAs<CFunction>();
  function->Body();
  if (!function->result_) function->result_ = NewLocal(function, QT("result"));
  if (function->isClass_ && !function->this_) {
    function->this_ = NewLocal(function, QT("this"));
    function->this_->SetObject(function);
  }
  if (function->isClass_ && !function->base_) {
    function->base_ = NewLocal(function, QT("base"));
    function->base_->SetObject(function->baseFunction_ ? function->baseFunction_ : function);
  }
  CNamedList& names = *function->localNames_;
  names.Put(QT("result"), function->result_);
  names.Put(QT("@"), function->result_);
  if (function->this_) names.Put(QT("this"), function->this_);
  if (function->base_) names.Put(QT("base"), function->base_);
}

}  // namespace runtime
