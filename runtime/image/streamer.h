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
#pragma once
#include <cstdint>

#include "base/base.h"
#include "image/byte_cursor.h"
#include "image/reference_graph.h"
#include "text.h"
#include "value/value.h"

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
