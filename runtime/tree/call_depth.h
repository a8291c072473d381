// Counts script calls and deep copies on the C++ stack, and checks the stack
// room each needs, so that unbounded recursion raises a script error instead
// of overflowing the stack.
#pragma once
#include <cstdint>

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
