#include "image/var_levels_streamer.h"

#include "image/bad_format.h"
#include "image/base_streamers.h"
#include "image/compact.h"

namespace {

enum Field : int32_t { kDepth = 0, kStacks = 1, kBaseLevel = 2 };

int32_t CheckedLevel(int32_t level) {
  if (level < 0 || level > CVarLevelsStreamer::kMaxLevel) RaiseBadFormat();
  return level;
}

// Every field of this class and of group 0 is one compact integer, so the
// entries can be skipped without reading them.
int32_t PeekBaseLevel(ByteCursor body) {
  int32_t baseLevel = 1;
  while (!body.AtEnd()) {
    const int32_t group = ReadCompactInt(body);
    const int32_t index = ReadCompactInt(body);
    const int32_t value = ReadCompactInt(body);
    if (group == kVarLevelsClassId && index == kBaseLevel) baseLevel = value;
  }
  return CheckedLevel(baseLevel);
}

}  // namespace

CBase* NewVarLevelsNode(CStreamer& record) { return new CVarLevels(PeekBaseLevel(record.Body())); }

void CVarLevelsStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != kVarLevelsClassId) return CStreamer::ReadFields(group, index);
  auto* levels = NodeAs<CVarLevels>();
  switch (index) {
    case kDepth:
      for (int32_t depth = CheckedLevel(ReadCompactInt()); levels->Depth() < depth;) levels->EnterLevel();
      break;
    case kStacks:
      stacks_ = ReadConsumedRef<CList>();
      break;
    case kBaseLevel:
      if (ReadCompactInt() != levels->BaseLevel()) RaiseBadFormat();
      break;
    default:
      RaiseBadFormat();
  }
}

void CVarLevelsStreamer::Finish() {
  if (stacks_ && stacks_->Count() != 0) RaiseBadFormat();
}
