#include "treeimage/function_streamer.h"

#include "base/list.h"
#include "image/bad_format.h"
#include "tree/block.h"
#include "tree/function.h"
#include "tree/value_node.h"
#include "tree/variable.h"
#include "treeimage/value_list_streamer.h"
#include "value/var_stack.h"

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
