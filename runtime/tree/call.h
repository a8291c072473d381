// Calls of values, and the limit on their depth.
#pragma once
#include <cstdint>

#include "runtime/tree/value_node.h"

namespace runtime {

// callee(arguments). With the object-call flag the call is deferred: its
// value refers to the call node, and calling that later passes the kept
// arguments first.
class CCall : public CValue {
public:
  // Takes over the callee and the argument list (may be null).
  CCall(CNode* owner, CValue* callee, CValueList* args);
  ~CCall() override;

  ClassId Id() const override { return ClassId::kCall; }
  void SetDeferred(bool deferred) { deferred_ = deferred; }
  bool Deferred() const { return deferred_; }
  CValue* Callee() const { return callee_; }
  CValueList* Args() const { return args_; }

  void Compute(CContext& context) override;
  // A deferred call runs with copies of its arguments followed by more;
  // an ordinary call node yields null.
  const Value& Call(CContext& context, CValueList* more) override;

private:
  friend class CCallStreamer;

  void ComputeArguments(CContext& context);

  CValue* callee_;
  CValueList* args_;
  bool deferred_ = false;
};

// Counts script calls and deep copies on the C++ stack, and checks the stack
// room each needs, so that unbounded recursion raises a script error instead
// of overflowing the stack.
class CCallDepth {
public:
  static constexpr int32_t kLimit = 2000;

  CCallDepth();
  ~CCallDepth() { --depth_; }
  CCallDepth(const CCallDepth&) = delete;
  CCallDepth& operator=(const CCallDepth&) = delete;

  static int32_t Current() { return depth_; }

private:
  static inline int32_t depth_ = 0;
};

}  // namespace runtime
