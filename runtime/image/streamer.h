// Streamers, the readers of one record each: bounds-checked bytes, compact
// encodings, the class-id registry, and the one failure of image reading.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "runtime/base/base.h"
#include "runtime/image/reference_graph.h"
#include "runtime/text.h"
#include "runtime/value/value.h"

namespace runtime {

// Bounds-checked reading of an image's bytes: running past the end is a bad
// format, never a read outside the buffer.
class ByteCursor {
public:
  ByteCursor() = default;
  ByteCursor(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  uint8_t Byte();
  // The next count bytes, which stay in the buffer.
  const uint8_t* Bytes(std::size_t count);

  bool AtEnd() const { return position_ == size_; }
  std::size_t Remaining() const { return size_ - position_; }
  std::size_t Position() const { return position_; }

private:
  const uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t position_ = 0;
};

// A streamer reads one record of an image into the node made for it. The
// body is a list of field entries (group, index, data): a class reads the
// entries of its own group and hands the others to its parent class, down to
// this base, which reads group 0. Entries carry no length, so an entry no
// class knows is a bad format, and each entry may occur once.
//
// References: ReadRecordRef for a node the holder does not release (an
// owner), ReadCountedRef for one it owns (the reference comes with the call
// and must be kept), ReadConsumedRef for a list whose contents Finish takes
// over. The loader rebuilds reference counts from these calls, so a reader
// must ask for the kind its class really holds.
class CImageReader;

class CStreamer {
public:
  CStreamer() = default;
  CStreamer(const CStreamer&) = delete;
  CStreamer& operator=(const CStreamer&) = delete;
  virtual ~CStreamer() = default;

  void Attach(CImageReader* reader, int32_t record, ByteCursor body);
  void SetNode(CBase* node) { node_ = node; }

  // Fixed items before the fields, then the field entries to the end.
  virtual void Load();
  virtual void ReadFields(int32_t group, int32_t index);
  // After every record has loaded and the references have been checked.
  virtual void Finish() {}

  CBase* Node() const { return node_; }
  CImageReader& Reader() const { return *reader_; }
  // 1-based, as references count.
  int32_t Record() const { return record_; }
  // The body from its start, for node factories that need an item first.
  ByteCursor Body() const { return start_; }

  int32_t ReadCompactInt();
  bool ReadBool() { return ReadCompactInt() != 0; }
  uint8_t ReadByte() { return static_cast<uint8_t>(ReadCompactInt()); }
  Text ReadText();
  // A count of items that follow, each at least one byte long.
  int32_t ReadCount();
  // Object references (2010, 2011) resolve to their record's node; types
  // whose payload would be a pointer are refused.
  Value ReadValue();

  // Reference 0 is no node.
  template <class T = CBase>
  T* ReadRecordRef() { return static_cast<T*>(ReadRef(ReferenceKind::kPlain, &IsA<T>)); }
  template <class T = CBase>
  T* ReadCountedRef() { return static_cast<T*>(ReadRef(ReferenceKind::kCounted, &IsA<T>)); }
  template <class T = CBase>
  T* ReadConsumedRef() { return static_cast<T*>(ReadRef(ReferenceKind::kConsumed, &IsA<T>)); }

protected:
  template <class T>
  T* NodeAs() const { return static_cast<T*>(node_); }

private:
  template <class T>
  static bool IsA(CBase* node) { return dynamic_cast<T*>(node) != nullptr; }
  CBase* ReadRef(ReferenceKind kind, bool (*isClass)(CBase*));
  CBase* ReadValueObject(ReferenceKind kind);

  CImageReader* reader_ = nullptr;
  int32_t record_ = 0;
  ByteCursor start_;
  ByteCursor body_;
  CBase* node_ = nullptr;
};

// The class-id registry: for each id the streamer class that reads its
// records and the node class its records fill. Units register their ids
// before any image is loaded; ids 0-4 (the base containers) are present from
// the start.
//
// A node factory makes the node with all fields at their zero value; it may
// read ahead in the record (Body, CImageReader::View) when the class fixes
// something at construction, such as whether a list owns its items.
using StreamerFactory = std::unique_ptr<CStreamer> (*)();
using NodeFactory = CBase* (*)(CStreamer& record);

struct StreamerClass {
  StreamerFactory newStreamer = nullptr;
  NodeFactory newNode = nullptr;
};

template <class S>
std::unique_ptr<CStreamer> NewStreamer() { return std::make_unique<S>(); }
template <class N>
CBase* NewPlainNode(CStreamer&) { return new N(); }

// Ids run from 0 to kMaxClassId; registering an id again replaces its classes.
inline constexpr int32_t kMaxClassId = 0xFFFF;
void RegisterStreamer(StreamerFactory streamerClass, NodeFactory nodeClass, int32_t id);
// Null for an id without classes.
const StreamerClass* FindStreamerClass(int32_t id);

// A streamer for the record, attached to its body, with its new node; an
// unregistered id is a bad format.
std::unique_ptr<CStreamer> CreateStreamer(int32_t id, CImageReader& reader, int32_t record, ByteCursor body);

// The one failure of image reading: whatever is wrong with an image, the
// loader refuses it with the same message.
[[noreturn]] void RaiseBadFormat();

// Compact encodings of image records: integers of one to five bytes and
// length-prefixed UTF-8 texts.

// A value outside the 32-bit range is a bad format.
int32_t ReadCompactInt(ByteCursor& in);
// The UTF-8 bytes of a compact text, left in the buffer.
std::string_view ReadCompactBytes(ByteCursor& in);
Text ReadCompactText(ByteCursor& in);

}  // namespace runtime
