// Operator nodes: each keeps its result in its own value. Unary and binary
// nodes hand their operand values to the operator table; "and" and "or"
// short-circuit and yield one of their operand values.
#pragma once
#include "runtime/ops/fast_numbers.h"
#include "runtime/ops/operator.h"
#include "runtime/tree/value_node.h"
#include "runtime/base/ref.h"

namespace runtime {

class COpNode : public CValue {
public:
  using CValue::CValue;
  ~COpNode() override;

  ClassId Id() const override { return ClassId::kOpNode; }
  CValue* Operand() const { return operand_; }
  // Only the parent reads an operator's result, so it is handed over: a
  // text made here can then grow in place further up.
  Value Take(CContext& context) override;

protected:
  Ref<CValue> operand_;
};

class CUnaryOp : public COpNode {
public:
  using COpNode::COpNode;

  ClassId Id() const override { return ClassId::kUnaryOp; }
  // Takes over one reference of the operand.
  void Init(CValue* operand, Operator code);
  void Compute(CContext& context) override;
  Operator Code() const { return code_; }

protected:
  friend class CUnaryOpStreamer;

  // The operand's slot when it is read in place (SlotHolder), else null.
  // Decided on the first run that finds the operand resolved, so trees read
  // from images get it too.
  Value** LeftSlot();

  Operator code_ = Operator::kNone;
  Value** leftSlot_ = nullptr;
  bool leftKnown_ = false;
};

class CBinaryOp : public CUnaryOp {
public:
  using CUnaryOp::CUnaryOp;
  ~CBinaryOp() override;

  ClassId Id() const override { return ClassId::kBinaryOp; }
  // Takes over one reference of each operand.
  void Init(CValue* left, Operator code, CValue* right);
  // The left operand is evaluated first.
  void Compute(CContext& context) override;
  CValue* Left() const { return operand_; }
  CValue* Right() const { return right_; }
  // What Compute gives, for an Int32 tree whose values allow the Int32 path;
  // false (out untouched) where Compute must run.
  bool ComputeInt32Tree(Value& out) { return shape_ == Shape::kInt32Tree && ComputeInt32(out); }

protected:
  friend class CBinaryOpStreamer;

  // What the operands were found to be on the first run that found them
  // resolved: an Int32 tree has constants, variables and such trees below
  // it, nothing that can run code, and is worked out in Int32 arithmetic
  // while its values allow.
  enum class Shape : uint8_t { kUnknown, kInt32Tree, kGeneral };

  // budget: how many levels of operators below may join the tree.
  void Learn(int32_t budget);
  static bool LearnOperand(CValue* operand, Value**& slot, CBinaryOp*& op, int32_t budget, bool& int32Tree);
  // False where a value is no Int32 or the result would need the routine.
  bool ComputeInt32(Value& out);
  bool Int32Result(int32_t& r) const;
  // An Int32 leaf, or the Int32 result of the tree below.
  static bool ReadInt32(Value* const* slot, const CBinaryOp* op, int32_t& v);
  void ComputeGeneral(CContext& context);
  // Both operands read in place: no call can run between the two reads.
  bool ComputeInPlace(CContext& context);
  const Value& RightValue(CContext& context);
  // A left operand that is itself a plain binary operator joins the run.
  CBinaryOp* ChainedLeft();

  Ref<CValue> right_;
  Value** rightSlot_ = nullptr;
  // Operands that are plain binary operators, computed without the virtual call.
  CBinaryOp* leftOp_ = nullptr;
  CBinaryOp* rightOp_ = nullptr;
  Shape shape_ = Shape::kUnknown;
  Int32Op int32Op_ = Int32Op::kNone;
};

// The left value when it is false, else the right value; the code is unused.
class CAndOp : public CBinaryOp {
public:
  using CBinaryOp::CBinaryOp;
  ClassId Id() const override { return ClassId::kAndOp; }
  void Compute(CContext& context) override;
};

// The left value when it is true, else the right value; the code is unused.
class COrOp : public CBinaryOp {
public:
  using CBinaryOp::CBinaryOp;
  ClassId Id() const override { return ClassId::kOrOp; }
  void Compute(CContext& context) override;
};

}  // namespace runtime
