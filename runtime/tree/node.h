// Root of the program tree, statements, and the class ids of its nodes in
// compiled images.
#pragma once
#include <cstdint>

#include "runtime/base/base.h"
#include "runtime/text.h"
#include "runtime/value/value.h"

namespace runtime {

// Class ids of program-tree nodes in compiled images.
enum class ClassId : int {
  kNone = 0,
  kOpNode = 6,
  kUnaryOp = 7,
  kBinaryOp = 8,
  kAndOp = 9,
  kOrOp = 10,
  kNode = 11,
  kStatement = 12,
  kSimpleStatement = 13,
  kJumpStmt = 14,
  kReturnStmt = 15,
  kAssignStmt = 16,
  kExprStmt = 17,
  kPrintStmt = 18,
  kBlock = 19,
  kModule = 20,
  kCompound = 21,
  kFunction = 22,
  kValue = 23,
  kValueList = 24,
  kVariable = 25,
  kStackVariable = 26,
  kRef = 27,
  kNameRef = 28,
  kMemberRef = 29,
  kIndexRef = 30,
  kCall = 31,
  kObjectValue = 32,
  kCopyExpr = 33,
  kObjectInstance = 34,
  kRecordInstance = 35,
  kControlNode = 36,
  kSelectNode = 37,
  kCaseNode = 38,
  kLoopNode = 39,
  kForNode = 40,
  kForEachNode = 41,
  kBreakNode = 42,
  kNextNode = 43,
  kTryNode = 44,
  kRaiseNode = 45,
  kRegexValue = 46,
  kLineStatement = 87,
};

// Root of the program tree. A node knows its owner (not counted: owners hold
// their children), can be called, looks names up through its owners and can
// declare names.
class CContext;
class CValueList;
class CValue;
class CStatement;
class CBlock;
class CFunction;
class CObjectValue;

class CNode : public CBase {
public:
  explicit CNode(CNode* owner);
  ~CNode() override;

  virtual ClassId Id() const { return ClassId::kNode; }

  // Takes over the creation reference of a registered node.
  virtual void AddChild(CNode* child);
  // The node's result; stays readable until the node is called again.
  virtual const Value& Call(CContext& context, CValueList* args);
  virtual CValue* Lookup(TextView name);
  virtual void Declare(CNode* node, TextView name);

  // Cheap type tests for the run-time paths.
  CNode* AsNode() override { return this; }
  virtual CValue* AsValue() { return nullptr; }
  virtual CStatement* AsStatement() { return nullptr; }
  virtual CBlock* AsBlock() { return nullptr; }
  virtual CFunction* AsFunction() { return nullptr; }
  virtual CObjectValue* AsObjectValue() { return nullptr; }
  // exit stops its loop; other nodes ignore it.
  virtual void StopLoop() {}

  CNode* Root();
  CNode* Owner() const { return owner_; }
  void SetOwner(CNode* owner) {
    owner_ = owner;
    ++ownerChanges_;
  }
  // Counts SetOwner calls in the process: what was learnt by climbing owners
  // stays true while the count stays the same.
  static uint64_t OwnerChanges() { return ownerChanges_; }
  const Text& Name() const { return name_; }
  void SetName(TextView name) { name_ = name; }

  // Nodes alive in the process, for leak checks.
  static int32_t LiveCount() { return liveCount_; }

private:
  static inline int32_t liveCount_ = 0;
  static inline uint64_t ownerChanges_ = 0;
  CNode* owner_;
  Text name_;
};

// Creates a node; with register and an owner the owner takes it over.
template <class T, class... Args>
T* NewNode(CNode* owner, bool registerWithOwner, Args&&... args) {
  T* node = new T(owner, static_cast<Args&&>(args)...);
  if (registerWithOwner && owner) owner->AddChild(node);
  return node;
}

// The node a value refers to, or null.
inline CNode* NodeOf(const Value& value) {
  CBase* object = value.AsObject();
  return object ? object->AsNode() : nullptr;
}

// Statements: nodes that can be executed.
class CStatement : public CNode {
public:
  using CNode::CNode;
  ClassId Id() const override { return ClassId::kStatement; }
  CStatement* AsStatement() override { return this; }
  virtual void Execute(CContext& context);
};

// A statement that knows its source line (0 when the compile did not record it).
class CLineStatement : public CStatement {
public:
  using CStatement::CStatement;
  ClassId Id() const override { return ClassId::kLineStatement; }
  int32_t Line() const { return line_; }
  void SetLine(int32_t line) { line_ = line; }

private:
  int32_t line_ = 0;
};

// Base of the one-line statements.
class CSimpleStatement : public CLineStatement {
public:
  using CLineStatement::CLineStatement;
  ClassId Id() const override { return ClassId::kSimpleStatement; }
};

}  // namespace runtime
