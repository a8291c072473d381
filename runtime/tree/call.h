// Calls of values, and the limit on their depth.
#pragma once
#include <cstdint>

#include "runtime/tree/value_node.h"

namespace runtime {

class CFunction;

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
  // The script function a named callee holds when it is the one called last
  // time, else null.
  CFunction* CachedFunction();
  void RememberFunction();

  CValue* callee_;
  CValueList* args_;
  bool deferred_ = false;
  // Learnt on the first run (the image reader fills the fields after
  // construction): whether every argument is a value given by position.
  bool shapeKnown_ = false;
  bool positional_ = false;
  // The function last called: the variable the callee named, the function
  // its value referred to, and the count of functions destroyed then, so a
  // new object at a freed function's address is never taken for it.
  CValue* holder_ = nullptr;
  CFunction* function_ = nullptr;
  uint64_t functionsGone_ = 0;
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
