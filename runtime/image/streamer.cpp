#include "image/streamer.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "image/bad_format.h"
#include "image/compact.h"
#include "image/image_reader.h"

void CStreamer::Attach(CImageReader* reader, int32_t record, ByteCursor body) {
  reader_ = reader;
  record_ = record;
  start_ = body;
  body_ = body;
}

// A field read twice would drop the reference its first entry made, so an
// entry may occur once. Only known entries are kept, which bounds the list.
void CStreamer::Load() {
  std::vector<std::pair<int32_t, int32_t>> seen;
  while (!body_.AtEnd()) {
    const int32_t group = ReadCompactInt();
    const int32_t index = ReadCompactInt();
    if (std::find(seen.begin(), seen.end(), std::pair{group, index}) != seen.end()) RaiseBadFormat();
    ReadFields(group, index);
    seen.emplace_back(group, index);
  }
}

// The stored reference count is read and dropped: the loader counts the
// references the fields make instead.
void CStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != 0 || index != 0) RaiseBadFormat();
  ReadCompactInt();
}

int32_t CStreamer::ReadCompactInt() { return ::ReadCompactInt(body_); }

Text CStreamer::ReadText() { return ReadCompactText(body_); }

int32_t CStreamer::ReadCount() {
  const int32_t count = ReadCompactInt();
  if (count < 0 || static_cast<std::size_t>(count) > body_.Remaining()) RaiseBadFormat();
  return count;
}

CBase* CStreamer::ReadRef(ReferenceKind kind, bool (*isClass)(CBase*)) {
  const int32_t record = ReadCompactInt();
  if (record == 0) return nullptr;
  CBase* node = reader_->Resolve(record_, record, kind, isClass);
  if (kind == ReferenceKind::kCounted) node->AddRef();
  return node;
}

CBase* CStreamer::ReadValueObject(ReferenceKind kind) {
  const int32_t record = ReadCompactInt();
  if (record == 0) RaiseBadFormat();
  return reader_->Resolve(record_, record, kind, [](CBase*) { return true; });
}
