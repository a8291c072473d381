#include "image/streamer_registry.h"

#include <vector>

#include "error.h"
#include "image/bad_format.h"
#include "image/base_streamers.h"

namespace {

using StreamerTable = std::vector<StreamerClass>;

void Put(StreamerTable& table, int32_t id, StreamerClass streamerClass) {
  if (static_cast<std::size_t>(id) >= table.size()) table.resize(2 * (static_cast<std::size_t>(id) + 1));
  table[id] = streamerClass;
}

StreamerTable& Table() {
  static StreamerTable table = [] {
    StreamerTable base;
    for (const BaseStreamer& entry : BaseStreamers()) Put(base, entry.id, entry.streamerClass);
    return base;
  }();
  return table;
}

}  // namespace

void RegisterStreamer(StreamerFactory streamerClass, NodeFactory nodeClass, int32_t id) {
  if (id < 0 || id > kMaxClassId || !streamerClass || !nodeClass) RaiseError(QT("Invalid streamer registration"));
  Put(Table(), id, {streamerClass, nodeClass});
}

const StreamerClass* FindStreamerClass(int32_t id) {
  const StreamerTable& table = Table();
  if (id < 0 || static_cast<std::size_t>(id) >= table.size() || !table[id].newStreamer) return nullptr;
  return &table[id];
}

std::unique_ptr<CStreamer> CreateStreamer(int32_t id, CImageReader& reader, int32_t record, ByteCursor body) {
  const StreamerClass* streamerClass = FindStreamerClass(id);
  if (!streamerClass) RaiseBadFormat();
  std::unique_ptr<CStreamer> streamer = streamerClass->newStreamer();
  streamer->Attach(&reader, record, body);
  CBase* node = streamerClass->newNode(*streamer);
  if (!node) RaiseBadFormat();
  streamer->SetNode(node);
  return streamer;
}
