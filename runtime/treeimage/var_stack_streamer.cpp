#include "treeimage/var_stack_streamer.h"

#include "image/bad_format.h"
#include "image/base_streamers.h"
#include "value/var_stack.h"

namespace {

enum VarStackField : int32_t { kCount = 0, kStackLevels = 1 };

}  // namespace

void CVarStackStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != kVarStackClassId) return CStreamer::ReadFields(group, index);
  switch (index) {
    case kCount:
      if (ReadCompactInt() != 0) RaiseBadFormat();
      break;
    case kStackLevels:
      NodeAs<CVarStack>()->levels_ = ReadCountedRef<CVarLevels>();
      break;
    default:
      RaiseBadFormat();
  }
}

void CVarStackStreamer::Finish() {
  if (!NodeAs<CVarStack>()->levels_) RaiseBadFormat();
}
