// The containers the JSON reader fills: the first one made is the result, the
// open ones form a stack, and each new member goes to the innermost.
#pragma once
#include <vector>

#include "../text.h"

class CObjectInstance;
class CValue;

class TJsonContainers {
public:
  TJsonContainers() = default;
  TJsonContainers(const TJsonContainers&) = delete;
  TJsonContainers& operator=(const TJsonContainers&) = delete;
  ~TJsonContainers();

  // Takes over the member. Without an open container a list is made first.
  void AddMember(CValue* member, TextView name);
  // A "[" list or "{" record, a member of the innermost container when
  // there is one; it becomes the innermost. Raises beyond the depth limit.
  void Open(bool record, TextView name);
  // The outermost container stays open, so extra closing brackets do nothing.
  void Close();
  // Hands the result (or null) to the caller.
  CObjectInstance* TakeResult();

private:
  void Push(CObjectInstance* container, TextView name);

  CObjectInstance* result_ = nullptr;
  std::vector<CObjectInstance*> open_;  // held by result_
};
