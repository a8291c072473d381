#include "runtime/tree/node.h"

namespace runtime {

CNode::CNode(CNode* owner) : owner_(owner) { ++liveCount_; }

CNode::~CNode() { --liveCount_; }

void CNode::AddChild(CNode*) {}

const Value& CNode::Call(CContext&, CValueList*) { return DefaultValue(); }

CValue* CNode::Lookup(TextView name) { return owner_ ? owner_->Lookup(name) : nullptr; }

void CNode::Declare(CNode*, TextView) {}

CNode* CNode::Root() {
  CNode* node = this;
  while (node->owner_) node = node->owner_;
  return node;
}

void CStatement::Execute(CContext&) {}

}  // namespace runtime
