// Compound statements: if, case, loops and try open a compound whose parts
// become the current block in turn; "end" and "}" close it.
#include "runtime/tree/control_nodes.h"
#include "runtime/tree/block.h"
#include "runtime/tree/loops.h"
#include "runtime/compile/build_parts.h"
#include "runtime/compile/build_routines.h"

namespace runtime {

namespace {

CSelectNode* OpenSelect(const TRule& r) { return dynamic_cast<CSelectNode*>(r.builder.OpenCompound()); }

// A case node is current between its head and its first "when".
CCaseNode* OpenCase(const TRule& r) {
  CNode* current = r.builder.Current();
  if (auto* open = dynamic_cast<CCaseNode*>(current)) return open;
  return current ? dynamic_cast<CCaseNode*>(current->Owner()) : nullptr;
}

// The condition goes to a new branch of the select node, or with the message.
void AddBranch(const TRule& r, CSelectNode* select, CValue* condition, const Char* missing) {
  if (select) {
    r.builder.SetCurrent(select->AddBranch(condition));
    return;
  }
  ReleaseObject(condition);
  r.builder.Report(missing);
}

const Text& LoopWord(const TRule& r) { return r.TextOf(r.values.Length()); }

void Enter(const TRule& r, CLoopNode* loop, CBlock* body) { EnterCompound(r.builder, loop, body, LoopWord(r)); }

// The positions of the value, key and index names (0: none); the collection
// stands before the loop word.
void ForEach(const TRule& r, int value, int key, int index) {
  CValue* collection = r.TakeValue(r.values.Length() - 1);
  auto* loop = new CForEachNode(r.builder.Current());
  if (!PlaceStatement(r.builder, loop, {collection})) return;
  const TextView keyName = key ? TextView(r.TextOf(key)) : TextView();
  const TextView indexName = index ? TextView(r.TextOf(index)) : TextView();
  Enter(r, loop, loop->Init(r.TextOf(value), collection, indexName, keyName));
}

void ForTo(const TRule& r, CValue* step) {
  CValue* start = r.TakeValue(4);
  CValue* limit = r.TakeValue(6);
  auto* loop = new CForNode(r.builder.Current());
  if (!PlaceStatement(r.builder, loop, {start, limit, step})) return;
  Enter(r, loop, loop->Init(r.TextOf(2), start, limit, step));
}

CTryNode* OpenTry(const TRule& r) {
  auto* node = dynamic_cast<CTryNode*>(r.builder.OpenCompound());
  if (!node) r.builder.Report(QT("try not found"));
  return node;
}

// A part that exists already is reported by its keyword.
void EnterPart(const TRule& r, CTryNode* node, CBlock* existing, CBlock* (CTryNode::*make)()) {
  if (existing)
    r.builder.Report(r.TextOf(1) + QT(" exists"));
  else
    r.builder.SetCurrent((node->*make)());
}

}  // namespace

// if, elsif, else, case and when: the select node's branches become the
// current block in turn.

void BuildIf(const TRule& r) {
  CValue* condition = r.TakeValue(2);
  auto* select = new CSelectNode(r.builder.Current());
  if (!PlaceStatement(r.builder, select, {condition})) return;
  r.builder.Open(select, r.TextOf(1));
  r.builder.SetCurrent(select->AddBranch(condition));
}

void BuildElsif(const TRule& r) { AddBranch(r, OpenSelect(r), r.TakeValue(2), QT("if not found")); }

void BuildElse(const TRule& r) {
  CSelectNode* select = OpenSelect(r);
  if (!select)
    r.builder.Report(QT("if|case not found"));
  else if (select->ElseBlock())
    r.builder.Report(r.TextOf(1) + QT(" exists"));
  else
    r.builder.SetCurrent(select->MakeElse());
}

void BuildCase(const TRule& r) {
  CValue* selector = r.TakeValue(2);
  auto* node = new CCaseNode(r.builder.Current());
  if (!PlaceStatement(r.builder, node, {selector})) return;
  r.builder.Open(node, r.TextOf(1));
  r.builder.SetCurrent(node->Init(selector));
}

void BuildWhen(const TRule& r) { AddBranch(r, OpenCase(r), r.TakeValue(2), QT("case not found")); }

// Loops: the node is registered, named by its loop word, and its body
// becomes the current block.

void BuildLoop(const TRule& r) {
  auto* loop = new CLoopNode(r.builder.Current());
  if (!PlaceStatement(r.builder, loop, {})) return;
  Enter(r, loop, loop->Init(nullptr));
}

void BuildWhile(const TRule& r) {
  CValue* condition = r.TakeValue(2);
  auto* loop = new CLoopNode(r.builder.Current());
  if (!PlaceStatement(r.builder, loop, {condition})) return;
  Enter(r, loop, loop->Init(condition));
}

void BuildForEach(const TRule& r) { ForEach(r, 2, 0, 0); }

void BuildForEachKey(const TRule& r) { ForEach(r, 4, 2, 0); }

void BuildForEachIndex(const TRule& r) { ForEach(r, 2, 0, 4); }

void BuildForEachKeyIndex(const TRule& r) { ForEach(r, 4, 2, 6); }

void BuildFor(const TRule& r) { ForTo(r, nullptr); }

void BuildForStep(const TRule& r) { ForTo(r, r.TakeValue(8)); }

// try, except and finally: the open try node's parts become current in turn.

void BuildTry(const TRule& r) {
  auto* node = new CTryNode(r.builder.Current());
  if (PlaceStatement(r.builder, node, {})) EnterCompound(r.builder, node, node->Body(), r.TextOf(1));
}

void BuildExcept(const TRule& r) {
  if (CTryNode* node = OpenTry(r)) EnterPart(r, node, node->ExceptBlock(), &CTryNode::MakeExcept);
}

void BuildFinally(const TRule& r) {
  if (CTryNode* node = OpenTry(r)) EnterPart(r, node, node->FinallyBlock(), &CTryNode::MakeFinally);
}

// Closers: "end" with its word, and "}" for a "{" function.

void BuildEnd(const TRule& r) { r.builder.Close(r.TextOf(2)); }

// The "}" that closes the function of a nested parse ends that parse.
void BuildCloseBrace(const TRule& r) {
  CCompound* closed = r.builder.Close(QT("{"));
  const CCompiler& compiler = r.builder.Compiler();
  if (closed && closed == compiler.Root() && compiler.Parent()) r.builder.EndNestedParse();
}

}  // namespace runtime
