#include "treeimage/op_streamers.h"

#include "image/bad_format.h"
#include "tree/op_node.h"

namespace {

enum UnaryField : int32_t { kOperand = 0, kCode = 1 };

}  // namespace

void CUnaryOpStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kUnaryOp)) return CValueStreamer::ReadFields(group, index);
  auto* operation = NodeAs<CUnaryOp>();
  switch (index) {
    case kOperand:
      operation->operand_ = ReadCountedRef<CValue>();
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
  NodeAs<CBinaryOp>()->right_ = ReadCountedRef<CValue>();
}

void CBinaryOpStreamer::Finish() {
  CUnaryOpStreamer::Finish();
  RequireNode(NodeAs<CBinaryOp>()->right_);
}
