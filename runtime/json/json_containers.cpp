#include "json_containers.h"

#include "../tree/object_value.h"
#include "../tree/value_node.h"
#include "json_depth.h"

TJsonContainers::~TJsonContainers() { ReleaseObject(result_); }

void TJsonContainers::AddMember(CValue* member, TextView name) {
  if (open_.empty()) Push(new CObjectInstance(nullptr), {});
  CObjectInstance* innermost = open_.back();
  member->SetName(name);
  member->SetOwner(innermost);
  innermost->Members()->Add(member);
}

void TJsonContainers::Open(bool record, TextView name) {
  if (open_.size() >= size_t(kJsonDepthLimit)) RaiseJsonTooDeep();
  Push(record ? new CRecordInstance(nullptr) : new CObjectInstance(nullptr), name);
}

void TJsonContainers::Close() {
  if (open_.size() > 1) open_.pop_back();
}

CObjectInstance* TJsonContainers::TakeResult() {
  CObjectInstance* result = result_;
  result_ = nullptr;
  open_.clear();
  return result;
}

void TJsonContainers::Push(CObjectInstance* container, TextView name) {
  if (open_.empty())
    result_ = container;
  else
    AddMember(container, name);
  open_.push_back(container);
}
