// if, elsif, else, case and when: the select node's branches become the
// current block in turn.
#include "../tree/control_nodes.h"
#include "build_parts.h"
#include "build_routines.h"

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

}  // namespace

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
