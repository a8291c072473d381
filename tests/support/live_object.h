// A runtime object that counts its living instances, for leak checks.
#pragma once
#include "runtime/base/base.h"

using namespace runtime;

class LiveObject : public CBase {
public:
  LiveObject() { ++alive; }
  ~LiveObject() override { --alive; }
  static inline int alive = 0;
};
