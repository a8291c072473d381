// Class ids and streamers of the base containers (ids 0-4). Variable stacks
// (id 5) are registered with the program-tree records: a stack is bound to
// its variable's value, which only the variable's record can do.
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
  kVarStackClassId = 5,
};

struct BaseStreamer {
  int32_t id;
  StreamerClass streamerClass;
};

std::span<const BaseStreamer> BaseStreamers();
