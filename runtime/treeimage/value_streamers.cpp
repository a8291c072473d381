#include "runtime/treeimage/value_streamers.h"

#include "runtime/image/base_streamers.h"
#include "runtime/image/image_reader.h"
#include "runtime/image/streamer.h"
#include "runtime/rxlib/regex_library.h"
#include "runtime/tree/function.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/op_node.h"
#include "runtime/tree/value_node.h"
#include "runtime/tree/variable.h"
#include "runtime/value/var_stack.h"

namespace runtime {

namespace {

enum ValueField : int32_t { kDroppedCount = 0, kValue = 1 };
enum StackVariableField : int32_t { kFunction = 0, kStack = 1 };
enum RegexField : int32_t { kFlags = 0, kPattern = 1 };

}  // namespace

void CValueStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kValue)) return CNodeStreamer::ReadFields(group, index);
  switch (index) {
    case kDroppedCount:
      ReadCompactInt();
      break;
    case kValue:
      NodeAs<CValue>()->OwnValue() = ReadValue();
      break;
    default:
      RaiseBadFormat();
  }
}

CBase* CStackVariableStreamer::NewNode(CStreamer&) { return new CStackVariable(nullptr); }

void CStackVariableStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kStackVariable)) return CValueStreamer::ReadFields(group, index);
  auto* variable = NodeAs<CStackVariable>();
  switch (index) {
    case kFunction:
      function_ = ReadRecordRef<CFunction>();
      break;
    case kStack:
      // Consumed, so that no other record refers to the stack; the variable keeps it.
      variable->stack_ = ReadConsumedRef<CVarStack>();
      AddRefObject(variable->stack_);
      break;
    default:
      RaiseBadFormat();
  }
}

void CStackVariableStreamer::Finish() {
  CValueStreamer::Finish();
  auto* variable = NodeAs<CStackVariable>();
  if (variable->stack_) {
    variable->stack_->Bind(variable->SlotAddress(), &variable->OwnValue());
    return;
  }
  RequireNode(function_);
  variable->stack_ = new CVarStack(function_->Levels(), variable->SlotAddress(), &variable->OwnValue());
}

void CObjectValueStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kObjectValue)) return CValueStreamer::ReadFields(group, index);
  if (index != 0) RaiseBadFormat();
  NodeAs<CObjectValue>()->SetMembers(ReadCountedRef<CValueList>());
}

void CObjectValueStreamer::Finish() {
  CValueStreamer::Finish();
  NodeAs<CObjectValue>()->OwnValue().SetObject(Node());
}

void CCopyExprStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kCopyExpr)) return CValueStreamer::ReadFields(group, index);
  if (index != 0) RaiseBadFormat();
  NodeAs<CCopyExpr>()->operand_ = Adopt(ReadCountedRef<CValue>());
}

void CCopyExprStreamer::Finish() {
  CValueStreamer::Finish();
  RequireNode(NodeAs<CCopyExpr>()->operand_);
}

void CRegexValueStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kRegexValue)) return CValueStreamer::ReadFields(group, index);
  switch (index) {
    case kFlags:
      flags_ = ReadText();
      break;
    case kPattern:
      pattern_ = ReadText();
      break;
    default:
      RaiseBadFormat();
  }
}

void CRegexValueStreamer::Finish() {
  CValueStreamer::Finish();
  auto* regex = NodeAs<CRegexValue>();
  regex->Init(pattern_, flags_);
  regex->OwnValue().SetObject(regex);
}

bool CValueListStreamer::AcceptsItem(CBase* item) const {
  CNode* node = item->AsNode();
  CValue* value = node ? node->AsValue() : nullptr;
  return value && (!variablesOnly_ || value->IsVariable());
}

CBase* NewValueListNode(CStreamer&) { return new CValueList(); }

CValueListStreamer& ValueListStreamerOf(const CStreamer& holder, int32_t record) {
  auto* streamer = dynamic_cast<CValueListStreamer*>(&holder.Reader().StreamerOf(record));
  if (!streamer) RaiseBadFormat();
  return *streamer;
}

namespace {

enum VarStackField : int32_t { kCount = 0, kStackLevels = 1 };

}  // namespace

void CVarStackStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != kVarStackClassId) return CStreamer::ReadFields(group, index);
  switch (index) {
    case kCount:
      if (ReadCompactInt() != 0) RaiseBadFormat();
      break;
    case kStackLevels:
      NodeAs<CVarStack>()->levels_ = Adopt(ReadCountedRef<CVarLevels>());
      break;
    default:
      RaiseBadFormat();
  }
}

void CVarStackStreamer::Finish() {
  if (!NodeAs<CVarStack>()->levels_) RaiseBadFormat();
}

namespace {

enum UnaryField : int32_t { kOperand = 0, kCode = 1 };

}  // namespace

void CUnaryOpStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kUnaryOp)) return CValueStreamer::ReadFields(group, index);
  auto* operation = NodeAs<CUnaryOp>();
  switch (index) {
    case kOperand:
      operation->operand_ = Adopt(ReadCountedRef<CValue>());
      break;
    case kCode:
      operation->code_ = Operator(ReadByte());
      break;
    default:
      RaiseBadFormat();
  }
}

void CUnaryOpStreamer::Finish() {
  CValueStreamer::Finish();
  RequireNode(NodeAs<CUnaryOp>()->operand_);
}

void CBinaryOpStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kBinaryOp)) return CUnaryOpStreamer::ReadFields(group, index);
  if (index != 0) RaiseBadFormat();
  NodeAs<CBinaryOp>()->right_ = Adopt(ReadCountedRef<CValue>());
}

void CBinaryOpStreamer::Finish() {
  CUnaryOpStreamer::Finish();
  RequireNode(NodeAs<CBinaryOp>()->right_);
}

}  // namespace runtime
