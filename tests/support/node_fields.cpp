// The fields of each node class, group by group as the class hierarchy owns them.
#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/image/base_streamers.h"
#include "runtime/rxlib/regex_library.h"
#include "support/node_writer.h"
#include "runtime/tree/statements.h"
#include "runtime/tree/call.h"
#include "runtime/tree/control_nodes.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/loops.h"
#include "runtime/tree/function.h"
#include "runtime/tree/references.h"
#include "runtime/tree/block.h"
#include "runtime/tree/op_node.h"
#include "runtime/tree/value_node.h"
#include "runtime/tree/variable.h"
#include "runtime/value/var_stack.h"

using namespace runtime;

namespace {

int32_t Group(ClassId id) { return static_cast<int32_t>(id); }

bool Is(const CNode* node, std::initializer_list<ClassId> ids) {
  for (ClassId id : ids)
    if (node->Id() == id) return true;
  return false;
}

}  // namespace

RecordBody NodeImageWriter::NodeBody(CNode* node) {
  RecordBody body;
  using enum ClassId;
  if (Is(node, {kNode, kStatement}))
    NodeFields(node, body);
  else if (Is(node, {kLineStatement, kSimpleStatement}))
    LineFields(node, body);
  else if (Is(node, {kJumpStmt, kReturnStmt, kBreakNode, kNextNode, kRaiseNode, kAssignStmt, kExprStmt, kPrintStmt}))
    StatementFields(node, body);
  else if (Is(node, {kBlock, kModule}))
    BlockFields(node, body);
  else if (Is(node, {kCompound, kControlNode}))
    CompoundFields(node, body);
  else if (Is(node, {kFunction}))
    FunctionFields(node, body);
  else if (Is(node, {kSelectNode, kCaseNode, kLoopNode, kForNode, kForEachNode, kTryNode}))
    ControlFields(node, body);
  else if (Is(node, {kValue, kVariable, kRef, kOpNode}))
    ValueFields(node, body);
  else if (Is(node, {kStackVariable}))
    StackVariableFields(node, body);
  else
    ExpressionFields(node, body);
  return body;
}

void NodeImageWriter::NodeFields(CNode* node, RecordBody& body) {
  if (!node->Name().empty()) body.Field(Group(ClassId::kNode), 0).Text(Utf8Of(node->Name()));
  if (node->Owner()) body.Field(Group(ClassId::kNode), 1).Ref(Ref(node->Owner()));
}

void NodeImageWriter::LineFields(CNode* node, RecordBody& body) {
  NodeFields(node, body);
  if (const int32_t line = static_cast<CLineStatement*>(node)->Line())
    body.Field(Group(ClassId::kLineStatement), 0).Int(line);
}

void NodeImageWriter::StatementFields(CNode* node, RecordBody& body) {
  LineFields(node, body);
  using enum ClassId;
  if (Is(node, {kAssignStmt})) {
    auto* assign = static_cast<CAssignStmt*>(node);
    body.Field(Group(kAssignStmt), 0).Ref(Ref(assign->Target()));
    body.Field(Group(kAssignStmt), 1).Ref(Ref(assign->Expression()));
  } else if (Is(node, {kExprStmt, kPrintStmt})) {
    body.Field(Group(kExprStmt), 0).Ref(Ref(static_cast<CExprStmt*>(node)->Expression()));
    if (Is(node, {kPrintStmt}) && !static_cast<CPrintStmt*>(node)->Suffix().empty())
      body.Field(Group(kPrintStmt), 0).Text(Utf8Of(static_cast<CPrintStmt*>(node)->Suffix()));
  } else {
    auto* jump = static_cast<CJumpStmt*>(node);
    if (jump->ValueExpr()) body.Field(Group(kJumpStmt), 0).Ref(Ref(jump->ValueExpr()));
    if (jump->Target()) body.Field(Group(kJumpStmt), 1).Ref(Ref(jump->Target()));
  }
}

void NodeImageWriter::BlockFields(CNode* node, RecordBody& body) {
  NodeFields(node, body);
  auto* block = static_cast<CBlock*>(node);
  std::vector<CBase*> children;
  for (int32_t i = 0; i < block->ChildCount(); ++i) children.push_back(block->Child(i));
  const std::vector<CBase*>& replaced = replaced_[node];
  children.insert(children.end(), replaced.begin(), replaced.end());
  body.Field(Group(ClassId::kBlock), 0).Ref(ListOf(true, children));
  if (block->UsedModuleCount()) {
    std::vector<CBase*> used;
    for (int32_t i = 0; i < block->UsedModuleCount(); ++i) used.push_back(block->UsedModule(i));
    body.Field(Group(ClassId::kBlock), 1).Ref(ListOf(false, used));
  }
  if (block->NameCount()) {
    std::vector<CBase*> names;
    std::vector<Text> keys;
    for (int32_t i = 0; i < block->NameCount(); ++i) {
      CValue* name = block->NameAt(i);
      names.push_back(name);
      keys.push_back(name ? name->Name() : Text());
    }
    body.Field(Group(ClassId::kBlock), 2).Ref(NameTableOf(tables_.blockNames, true, names, keys));
  }
  if (Is(node, {ClassId::kModule}) && static_cast<CModule*>(node)->Ran()) body.Field(Group(ClassId::kModule), 3).Int(1);
}

void NodeImageWriter::CompoundFields(CNode* node, RecordBody& body) {
  LineFields(node, body);
  body.Field(Group(ClassId::kCompound), 0).Ref(Ref(static_cast<CCompound*>(node)->Body()));
}

void NodeImageWriter::FunctionFields(CNode* node, RecordBody& body) {
  CompoundFields(node, body);
  auto* function = static_cast<CFunction*>(node);
  const int32_t group = Group(ClassId::kFunction);
  body.Field(group, 4).Ref(Ref(function->Levels()));
  if (!function->Name().empty()) body.Field(group, 8).Text(Utf8Of(function->Name()));
  if (function->IsClass()) body.Field(group, 2).Int(1);
  if (function->Parameters()) body.Field(group, 3).Ref(Ref(function->Parameters()));
  if (function->BaseFunction()) body.Field(group, 6).Ref(Ref(function->BaseFunction()));
  if (omit_ == Omit::kFunctionLocals) return;
  body.Field(group, 1).Ref(Ref(function->ResultVariable()));
  if (function->ThisVariable()) body.Field(group, 5).Ref(Ref(function->ThisVariable()));
  if (function->BaseVariable()) body.Field(group, 0).Ref(Ref(function->BaseVariable()));
  std::vector<CBase*> locals{function->ResultVariable(), function->ResultVariable()};
  std::vector<Text> keys{QT("result"), QT("@")};
  if (function->ThisVariable()) {
    locals.insert(locals.end(), {function->ThisVariable(), function->BaseVariable()});
    keys.insert(keys.end(), {QT("this"), QT("base")});
  }
  body.Field(group, 7).Ref(NameTableOf(tables_.localNames, false, locals, keys));
}

void NodeImageWriter::ControlFields(CNode* node, RecordBody& body) {
  CompoundFields(node, body);
  using enum ClassId;
  if (Is(node, {kSelectNode, kCaseNode})) {
    auto* select = static_cast<CSelectNode*>(node);
    std::vector<CBase*> conditions;
    for (int32_t i = 0; i < select->ConditionCount(); ++i) conditions.push_back(select->Condition(i));
    if (!conditions.empty()) body.Field(Group(kSelectNode), 0).Ref(ListOf(true, conditions));
    if (select->ElseBlock()) body.Field(Group(kSelectNode), 1).Ref(Ref(select->ElseBlock()));
  }
  if (Is(node, {kCaseNode})) {
    auto* choice = static_cast<CCaseNode*>(node);
    body.Field(Group(kCaseNode), 0).Ref(Ref(choice->Subject()));
    body.Field(Group(kCaseNode), 1).Ref(Ref(choice->Selector()));
  }
  if (Is(node, {kLoopNode, kForNode, kForEachNode})) {
    auto* loop = static_cast<CLoopNode*>(node);
    if (loop->LoopCondition()) body.Field(Group(kLoopNode), 0).Ref(Ref(loop->LoopCondition()));
    if (loop->Stopping()) body.Field(Group(kLoopNode), 1).Int(1);
  }
  if (Is(node, {kForNode})) {
    auto* loop = static_cast<CForNode*>(node);
    body.Field(Group(kForNode), 0).Ref(Ref(loop->Limit()));
    if (loop->Step()) body.Field(Group(kForNode), 1).Ref(Ref(loop->Step()));
    body.Field(Group(kForNode), 2).Ref(Ref(loop->Variable()));
  }
  if (Is(node, {kForEachNode})) {
    auto* loop = static_cast<CForEachNode*>(node);
    if (loop->KeyVariable()) body.Field(Group(kForEachNode), 0).Ref(Ref(loop->KeyVariable()));
    body.Field(Group(kForEachNode), 1).Ref(Ref(loop->ValueVariable()));
    if (loop->IndexVariable()) body.Field(Group(kForEachNode), 2).Ref(Ref(loop->IndexVariable()));
  }
  if (Is(node, {kTryNode})) {
    auto* guard = static_cast<CTryNode*>(node);
    if (guard->MessageVariable() && omit_ != Omit::kTryMessage)
      body.Field(Group(kTryNode), 0).Ref(Ref(guard->MessageVariable()));
    if (guard->ExceptBlock()) body.Field(Group(kTryNode), 1).Ref(Ref(guard->ExceptBlock()));
    if (guard->FinallyBlock()) body.Field(Group(kTryNode), 2).Ref(Ref(guard->FinallyBlock()));
  }
}

void NodeImageWriter::ValueFields(CNode* node, RecordBody& body) {
  NodeFields(node, body);
  body.Field(Group(ClassId::kValue), 0).Int(0);
  const Value& value = static_cast<CValue*>(node)->OwnValue();
  if (value.IsEmpty()) return;
  body.Field(Group(ClassId::kValue), 1);
  TypedValue(value, body);
}

// The stack is the one the variable's function would give it.
void NodeImageWriter::StackVariableFields(CNode* node, RecordBody& body) {
  ValueFields(node, body);
  CFunction* function = EnclosingFunction(node);
  if (!function) {
    ADD_FAILURE() << "a stack variable outside any function";
    return;
  }
  body.Field(Group(ClassId::kStackVariable), 0).Ref(Ref(function));
  if (omit_ == Omit::kStacks) return;
  const int32_t levels = Ref(function->Levels());
  const int32_t stack = Extra(kVarStackClassId, [levels] {
    return RecordBody().Field(kVarStackClassId, 0).Int(0).Field(kVarStackClassId, 1).Ref(levels);
  });
  body.Field(Group(ClassId::kStackVariable), 1).Ref(stack);
}

void NodeImageWriter::NoteReplaced(CValue* variable) {
  CBlock* scope = variable->Owner() ? variable->Owner()->AsBlock() : nullptr;
  if (!scope || scope->FindOwn(variable->Name()) == variable) return;
  std::vector<CBase*>& replaced = replaced_[scope];
  if (std::find(replaced.begin(), replaced.end(), variable) != replaced.end()) return;
  replaced.push_back(variable);
  foundReplaced_ = true;
}

void NodeImageWriter::ExpressionFields(CNode* node, RecordBody& body) {
  ValueFields(node, body);
  using enum ClassId;
  if (Is(node, {kNameRef, kMemberRef, kIndexRef})) {
    auto* reference = static_cast<CNameRef*>(node);
    if (Is(node, {kNameRef}) && reference->ResolvedTarget()) {
      NoteReplaced(reference->ResolvedTarget());
      body.Field(Group(kNameRef), 0).Ref(Ref(reference->ResolvedTarget()));
    }
    if (!reference->RefName().empty()) body.Field(Group(kNameRef), 1).Text(Utf8Of(reference->RefName()));
    if (reference->Optional()) body.Field(Group(kNameRef), 2).Int(1);
  }
  if (Is(node, {kMemberRef, kIndexRef}))
    body.Field(Group(kMemberRef), 2).Ref(Ref(static_cast<CMemberRef*>(node)->ObjectExpr()));
  if (Is(node, {kIndexRef})) body.Field(Group(kIndexRef), 0).Ref(Ref(static_cast<CIndexRef*>(node)->Key()));
  if (Is(node, {kCall})) {
    auto* call = static_cast<CCall*>(node);
    body.Field(Group(kCall), 0).Ref(Ref(call->Callee()));
    if (call->Deferred()) body.Field(Group(kCall), 1).Int(1);
    if (call->Args()) body.Field(Group(kCall), 2).Ref(Ref(call->Args()));
  }
  if (Is(node, {kObjectValue, kObjectInstance, kRecordInstance})) {
    auto* object = static_cast<CObjectValue*>(node);
    if (object->MemberCount()) body.Field(Group(kObjectValue), 0).Ref(Ref(object->Members()));
  }
  if (Is(node, {kCopyExpr})) body.Field(Group(kCopyExpr), 0).Ref(Ref(static_cast<CCopyExpr*>(node)->Operand()));
  if (Is(node, {kUnaryOp, kBinaryOp, kAndOp, kOrOp})) {
    auto* operation = static_cast<CUnaryOp*>(node);
    body.Field(Group(kUnaryOp), 0).Ref(Ref(operation->Operand()));
    body.Field(Group(kUnaryOp), 1).Int(int(operation->Code()));
  }
  if (Is(node, {kBinaryOp, kAndOp, kOrOp}))
    body.Field(Group(kBinaryOp), 0).Ref(Ref(static_cast<CBinaryOp*>(node)->Right()));
  if (Is(node, {kRegexValue})) {
    auto* regex = static_cast<CRegexValue*>(node);
    body.Field(Group(kRegexValue), 0).Text(Utf8Of(regex->Flags()));
    body.Field(Group(kRegexValue), 1).Text(Utf8Of(regex->Pattern()));
  }
}
