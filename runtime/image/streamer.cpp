#include "runtime/image/streamer.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "runtime/error.h"
#include "runtime/image/base_streamers.h"
#include "runtime/image/container.h"
#include "runtime/image/image_reader.h"
#include "platform/codepage.h"
#include "runtime/sys/sys_util.h"

namespace runtime {

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

int32_t CStreamer::ReadCompactInt() { return runtime::ReadCompactInt(body_); }

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

// Typed values of image records: a compact type tag, then the payload.
namespace {

// Types whose 8 payload bytes are a number and can be copied as they stand;
// any other raw payload could be a pointer.
bool IsRawNumberType(int32_t tag) {
  switch (tag) {
    case varEmpty:
    case varNull:
    case varSmallint:
    case varSingle:
    case varDouble:
    case varCurrency:
    case varDate:
    case varError:
    case varShortInt:
    case varWord:
    case varLongWord:
    case varInt64:
    case varUInt64:
      return true;
    default:
      return false;
  }
}

uint64_t RawPayload(const uint8_t* bytes) {
  uint64_t bits = 0;
  for (int i = 8; i-- > 0;) bits = bits << 8 | bytes[i];
  return bits;
}

}  // namespace

Value CStreamer::ReadValue() {
  const int32_t tag = ReadCompactInt();
  Value value;
  switch (tag) {
    case varInteger:
      value.SetInt(ReadCompactInt());
      break;
    case varOleStr:
      value.SetAnsiString(ReadCompactBytes(body_), platform::kCodePageUtf8);
      break;
    case varBoolean:
      value.SetBool(ReadBool());
      break;
    case varByte:
      value.SetRaw(varByte, ReadByte());
      break;
    case varObject:
      value.SetObject(ReadValueObject(ReferenceKind::kPlain));
      break;
    case varCountedObject:
      value.SetCountedObject(ReadValueObject(ReferenceKind::kCounted));
      break;
    default:
      if (!IsRawNumberType(tag)) RaiseBadFormat();
      value.SetRaw(static_cast<VarType>(tag), RawPayload(body_.Bytes(8)));
  }
  return value;
}

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

uint8_t ByteCursor::Byte() { return *Bytes(1); }

const uint8_t* ByteCursor::Bytes(std::size_t count) {
  if (count > Remaining()) RaiseBadFormat();
  const uint8_t* bytes = data_ + position_;
  position_ += count;
  return bytes;
}

void RaiseBadFormat() { RaiseError(QT("Bad file format!")); }

namespace {

constexpr uint8_t kLongForm = 0x80;
constexpr uint8_t kSignBit = 0x40;

uint64_t LittleEndian(const uint8_t* bytes, int count) {
  uint64_t value = 0;
  for (int i = count; i-- > 0;) value = value << 8 | bytes[i];
  return value;
}

}  // namespace

// Long form: sign in bit 6, value byte count - 1 in bits 5-4, a left shift
// in bits 3-0.
int32_t ReadCompactInt(ByteCursor& in) {
  const uint8_t first = in.Byte();
  if (first < kLongForm) return first ^ kCompactKey;
  const int count = ((first >> 4) & 3) + 1;
  const uint64_t magnitude = LittleEndian(in.Bytes(count), count) << (first & 0x0F);
  const bool negative = first & kSignBit;
  if (magnitude > (negative ? 0x80000000u : 0x7FFFFFFFu)) RaiseBadFormat();
  return static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude));
}

std::string_view ReadCompactBytes(ByteCursor& in) {
  const int32_t length = ReadCompactInt(in);
  if (length < 0) RaiseBadFormat();
  return {reinterpret_cast<const char*>(in.Bytes(length)), static_cast<std::size_t>(length)};
}

Text ReadCompactText(ByteCursor& in) {
  std::u16string wide;
  platform::DecodeCodePage(platform::kCodePageUtf8, ReadCompactBytes(in), wide);
  return TextFromUtf16(wide);
}

}  // namespace runtime
