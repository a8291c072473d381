#include "runtime/image/image_reader.h"

#include "runtime/image/container.h"
#include "runtime/image/streamer.h"

namespace runtime {

namespace {

// Work allowed to the cycle checks: far more than trees need, far less than
// a quadratic search through a large image.
constexpr int64_t kCheckStepsPerByte = 64;
constexpr int64_t kMinCheckSteps = 1 << 16;

}  // namespace

CImageReader::~CImageReader() { Abandon(); }

CBase* CImageReader::Load(std::string bytes) {
  bytes_ = std::move(bytes);
  const ImageLocation image = LocateImage(bytes_);
  ByteCursor payload(reinterpret_cast<const uint8_t*>(bytes_.data()) + image.PayloadStart(), image.payloadLength);
  try {
    ReadRecordTable(payload, image.PayloadStart(), image.form);
    CreateRecords();
    for (auto& streamer : streamers_) streamer->Load();
    graph_->CheckComplete();
    FinishRecords();
    return HandOverRoot();
  } catch (...) {
    Abandon();
    throw;
  }
}

// Each record needs at least its class id and size, which bounds the count
// before anything is allocated for it.
void CImageReader::ReadRecordTable(ByteCursor& payload, std::size_t payloadStart, ImageForm form) {
  const int32_t count = ReadCompactInt(payload);
  if (count < 1 || static_cast<std::size_t>(count) > payload.Remaining() / 2) RaiseBadFormat();
  auto* buffer = reinterpret_cast<uint8_t*>(bytes_.data());
  uint8_t key = FirstChainKey(count, form);
  spans_.reserve(count);
  for (int32_t number = 1; number <= count; ++number) {
    const int32_t classId = ReadCompactInt(payload);
    const int32_t size = ReadCompactInt(payload);
    if (size < 0) RaiseBadFormat();
    const std::size_t offset = payloadStart + payload.Position();
    payload.Bytes(size);
    key = DescrambleRecord(buffer + offset, size, RecordChainKey(key, classId, number), form);
    spans_.push_back({classId, offset, static_cast<std::size_t>(size)});
  }
  graph_.emplace(count, kMinCheckSteps + kCheckStepsPerByte * static_cast<int64_t>(payload.Position()));
}

void CImageReader::CreateRecords() {
  streamers_.reserve(spans_.size());
  for (std::size_t i = 0; i < spans_.size(); ++i) {
    const auto number = static_cast<int32_t>(i + 1);
    streamers_.push_back(CreateStreamer(spans_[i].classId, *this, number, View(number).body));
  }
}

// Held records finish before their holders, so that a record that works on
// what it holds when it finishes finds that complete.
void CImageReader::FinishRecords() {
  const std::vector<int32_t> order = graph_->HoldersFirst();
  for (auto record = order.rbegin(); record != order.rend(); ++record) streamers_[*record]->Finish();
}

CImageReader::RecordView CImageReader::View(int32_t record) const {
  if (record < 1 || static_cast<std::size_t>(record) > spans_.size()) RaiseBadFormat();
  const RecordSpan& span = spans_[record - 1];
  return {span.classId, ByteCursor(reinterpret_cast<const uint8_t*>(bytes_.data()) + span.offset, span.size)};
}

CBase* CImageReader::Resolve(int32_t holder, int32_t record, ReferenceKind kind, bool (*isClass)(CBase*)) {
  if (record < 1 || static_cast<std::size_t>(record) > streamers_.size()) RaiseBadFormat();
  CBase* node = streamers_[record - 1]->Node();
  if (!isClass(node)) RaiseBadFormat();
  graph_->Add(holder - 1, record - 1, kind);
  return node;
}

CStreamer& CImageReader::StreamerOf(int32_t record) const {
  if (record < 1 || static_cast<std::size_t>(record) > streamers_.size()) RaiseBadFormat();
  return *streamers_[record - 1];
}

// The loader's own reference to every node but the root is dropped; nodes
// that nothing else holds (consumed lists) go with it.
CBase* CImageReader::HandOverRoot() {
  CBase* root = streamers_[0]->Node();
  for (int32_t record : graph_->HoldersFirst())
    if (record != 0) streamers_[record]->Node()->Release();
  streamers_.clear();
  graph_.reset();
  return root;
}

void CImageReader::Abandon() {
  if (graph_)
    for (int32_t record : graph_->HoldersFirst())
      if (static_cast<std::size_t>(record) < streamers_.size()) streamers_[record]->Node()->Release();
  streamers_.clear();
  graph_.reset();
}

}  // namespace runtime
