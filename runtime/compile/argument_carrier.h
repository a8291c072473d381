// Carries an argument list on the parser's stack until a call or a list
// literal takes it over; it never becomes part of the tree.
#pragma once
#include "../tree/node.h"
#include "../tree/value_node.h"

class CArgumentCarrier : public CNode {
public:
  explicit CArgumentCarrier(CNode* owner) : CNode(owner), list_(new CValueList()) {}
  ~CArgumentCarrier() override { ReleaseObject(list_); }

  CValueList* List() const { return list_; }
  // The list with its reference; the carrier is empty afterwards.
  CValueList* TakeList() {
    CValueList* list = list_;
    list_ = nullptr;
    return list;
  }

private:
  CValueList* list_;
};
