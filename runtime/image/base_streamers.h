// Class ids and streamers of the base containers (ids 0-4). Variable stacks
// (id 5) are not registered: a stack is bound to its variable's value when it
// is made, which a record cannot do.
#pragma once
#include <cstdint>
#include <span>

#include "image/streamer_registry.h"

enum BaseClassId : int32_t {
  kBaseClassId = 0,
  kListClassId = 1,
  kTrieClassId = 2,
  kNamedListClassId = 3,
  kVarLevelsClassId = 4,
};

struct BaseStreamer {
  int32_t id;
  StreamerClass streamerClass;
};

std::span<const BaseStreamer> BaseStreamers();
