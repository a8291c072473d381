// case / when: the selector's value is held in the variable "@" of the body
// block while the branches are tested and run.
#pragma once
#include "select_node.h"

class CVariable;

class CCaseNode : public CSelectNode {
public:
  using CSelectNode::CSelectNode;
  ~CCaseNode() override;

  ClassId Id() const override { return ClassId::kCaseNode; }
  // Takes over one reference of the selector; declares "@" in the body.
  CCaseNode* Init(CValue* selector);
  void Execute(CContext& context) override;
  // The body's own names first, so that the branches see "@".
  CValue* Lookup(TextView name) override;
  // A list holds when "@" is one of its elements, a regex when "@" matches
  // it; any other value when it equals "@".
  bool Test(CContext& context, int32_t index) override;

  CValue* Selector() const { return selector_; }
  CVariable* Subject() const { return subject_; }

private:
  friend class CCaseNodeStreamer;

  CValue* selector_ = nullptr;    // owned
  CVariable* subject_ = nullptr;  // "@", counted
};
