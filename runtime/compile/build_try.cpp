// try, except and finally: the open try node's parts become current in turn.
#include "../tree/control_nodes.h"
#include "build_parts.h"
#include "build_routines.h"

namespace {

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
