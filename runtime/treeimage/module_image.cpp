#include "runtime/treeimage/module_image.h"

#include "runtime/compile/image_loader.h"
#include "runtime/image/base_streamers.h"
#include "runtime/image/container.h"
#include "runtime/image/streamer.h"
#include "runtime/rxlib/regex_library.h"
#include "runtime/tree/block.h"
#include "runtime/tree/call.h"
#include "runtime/tree/control_nodes.h"
#include "runtime/tree/function.h"
#include "runtime/tree/loops.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/op_node.h"
#include "runtime/tree/references.h"
#include "runtime/tree/statements.h"
#include "runtime/tree/variable.h"
#include "runtime/treeimage/block_streamers.h"
#include "runtime/treeimage/node_streamer.h"
#include "runtime/treeimage/reference_streamers.h"
#include "runtime/treeimage/value_streamers.h"
#include "runtime/value/var_stack.h"

namespace runtime {

bool HoldsModuleImage(std::string_view bytes) { return FindImage(bytes).has_value(); }

CModule* LoadModuleImage(std::string bytes) {
  CBase* root = LoadCompiledImage(std::move(bytes));
  auto* module = dynamic_cast<CModule*>(root);
  if (!module) {
    root->Release();
    RaiseBadFormat();
  }
  return module;
}

void InitCompiledImages() {
  RegisterNodeStreamers();
  RegisterImageLoader({&HoldsModuleImage, &LoadModuleImage});
}

namespace {

// Nodes are made without an owner; the record gives it.
template <class N>
CBase* NewTreeNode(CStreamer&) { return new N(nullptr); }

CBase* NewAssignStmt(CStreamer&) { return new CAssignStmt(nullptr, nullptr, nullptr); }
CBase* NewExprStmt(CStreamer&) { return new CExprStmt(nullptr, nullptr); }
CBase* NewPrintStmt(CStreamer&) { return new CPrintStmt(nullptr, nullptr, {}); }
CBase* NewNameRef(CStreamer&) { return new CNameRef(nullptr, {}, false); }
CBase* NewMemberRef(CStreamer&) { return new CMemberRef(nullptr, {}, nullptr, false); }
CBase* NewIndexRef(CStreamer&) { return new CIndexRef(nullptr, nullptr, nullptr); }
CBase* NewCall(CStreamer&) { return new CCall(nullptr, nullptr, nullptr); }
CBase* NewCopyExpr(CStreamer&) { return new CCopyExpr(nullptr, nullptr); }

struct NodeStreamer {
  ClassId id;
  StreamerClass streamerClass;
};

constexpr NodeStreamer kNodeStreamers[] = {
    {ClassId::kOpNode, {NewStreamer<CValueStreamer>, NewTreeNode<COpNode>}},
    {ClassId::kUnaryOp, {NewStreamer<CUnaryOpStreamer>, NewTreeNode<CUnaryOp>}},
    {ClassId::kBinaryOp, {NewStreamer<CBinaryOpStreamer>, NewTreeNode<CBinaryOp>}},
    {ClassId::kAndOp, {NewStreamer<CBinaryOpStreamer>, NewTreeNode<CAndOp>}},
    {ClassId::kOrOp, {NewStreamer<CBinaryOpStreamer>, NewTreeNode<COrOp>}},
    {ClassId::kNode, {NewStreamer<CNodeStreamer>, NewTreeNode<CNode>}},
    {ClassId::kStatement, {NewStreamer<CNodeStreamer>, NewTreeNode<CStatement>}},
    {ClassId::kLineStatement, {NewStreamer<CLineStatementStreamer>, NewTreeNode<CLineStatement>}},
    {ClassId::kSimpleStatement, {NewStreamer<CLineStatementStreamer>, NewTreeNode<CSimpleStatement>}},
    {ClassId::kJumpStmt, {NewStreamer<CJumpStmtStreamer>, NewTreeNode<CJumpStmt>}},
    {ClassId::kReturnStmt, {NewStreamer<CJumpStmtStreamer>, NewTreeNode<CReturnStmt>}},
    {ClassId::kAssignStmt, {NewStreamer<CAssignStmtStreamer>, NewAssignStmt}},
    {ClassId::kExprStmt, {NewStreamer<CExprStmtStreamer>, NewExprStmt}},
    {ClassId::kPrintStmt, {NewStreamer<CPrintStmtStreamer>, NewPrintStmt}},
    {ClassId::kBlock, {NewStreamer<CBlockStreamer>, NewTreeNode<CBlock>}},
    {ClassId::kModule, {NewStreamer<CModuleStreamer>, NewTreeNode<CModule>}},
    {ClassId::kCompound, {NewStreamer<CCompoundStreamer>, NewTreeNode<CCompound>}},
    {ClassId::kFunction, {NewStreamer<CFunctionStreamer>, CFunctionStreamer::NewNode}},
    {ClassId::kValue, {NewStreamer<CValueStreamer>, NewTreeNode<CValue>}},
    {ClassId::kValueList, {NewStreamer<CValueListStreamer>, NewValueListNode}},
    {ClassId::kVariable, {NewStreamer<CValueStreamer>, NewTreeNode<CVariable>}},
    {ClassId::kStackVariable, {NewStreamer<CStackVariableStreamer>, CStackVariableStreamer::NewNode}},
    {ClassId::kRef, {NewStreamer<CValueStreamer>, NewTreeNode<CRef>}},
    {ClassId::kNameRef, {NewStreamer<CNameRefStreamer>, NewNameRef}},
    {ClassId::kMemberRef, {NewStreamer<CMemberRefStreamer>, NewMemberRef}},
    {ClassId::kIndexRef, {NewStreamer<CIndexRefStreamer>, NewIndexRef}},
    {ClassId::kCall, {NewStreamer<CCallStreamer>, NewCall}},
    {ClassId::kObjectValue, {NewStreamer<CObjectValueStreamer>, NewTreeNode<CObjectValue>}},
    {ClassId::kCopyExpr, {NewStreamer<CCopyExprStreamer>, NewCopyExpr}},
    {ClassId::kObjectInstance, {NewStreamer<CObjectValueStreamer>, NewTreeNode<CObjectInstance>}},
    {ClassId::kRecordInstance, {NewStreamer<CObjectValueStreamer>, NewTreeNode<CRecordInstance>}},
    {ClassId::kControlNode, {NewStreamer<CCompoundStreamer>, NewTreeNode<CControlNode>}},
    {ClassId::kSelectNode, {NewStreamer<CSelectNodeStreamer>, NewTreeNode<CSelectNode>}},
    {ClassId::kCaseNode, {NewStreamer<CCaseNodeStreamer>, NewTreeNode<CCaseNode>}},
    {ClassId::kLoopNode, {NewStreamer<CLoopNodeStreamer>, NewTreeNode<CLoopNode>}},
    {ClassId::kForNode, {NewStreamer<CForNodeStreamer>, NewTreeNode<CForNode>}},
    {ClassId::kForEachNode, {NewStreamer<CForEachNodeStreamer>, NewTreeNode<CForEachNode>}},
    {ClassId::kBreakNode, {NewStreamer<CJumpStmtStreamer>, NewTreeNode<CBreakNode>}},
    {ClassId::kNextNode, {NewStreamer<CJumpStmtStreamer>, NewTreeNode<CNextNode>}},
    {ClassId::kTryNode, {NewStreamer<CTryNodeStreamer>, NewTreeNode<CTryNode>}},
    {ClassId::kRaiseNode, {NewStreamer<CJumpStmtStreamer>, NewTreeNode<CRaiseNode>}},
    {ClassId::kRegexValue, {NewStreamer<CRegexValueStreamer>, NewTreeNode<CRegexValue>}},
};

}  // namespace

void RegisterNodeStreamers() {
  RegisterStreamer(NewStreamer<CVarStackStreamer>, NewPlainNode<CVarStack>, kVarStackClassId);
  for (const NodeStreamer& entry : kNodeStreamers)
    RegisterStreamer(entry.streamerClass.newStreamer, entry.streamerClass.newNode, GroupOf(entry.id));
}

}  // namespace runtime
