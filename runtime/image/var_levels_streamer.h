// Recursion levels of a function (id 4): depth, the list of stacks that have
// entries, base level. A compiled image holds no running call, so the stack
// list must be empty; the base level is fixed when the levels are made, so
// the node factory reads it first.
#pragma once
#include "base/list.h"
#include "image/streamer.h"
#include "value/var_stack.h"

class CVarLevelsStreamer : public CStreamer {
public:
  // Far beyond any call depth the interpreter allows.
  static constexpr int32_t kMaxLevel = 1 << 16;

  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;

private:
  CList* stacks_ = nullptr;
};

CBase* NewVarLevelsNode(CStreamer& record);
