// Variable stacks (id 5): entry count and recursion levels. An image holds
// no running call, so the count is 0; the stack variable that takes the
// stack over binds it to its value.
#pragma once
#include "image/streamer.h"

class CVarStackStreamer : public CStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};
