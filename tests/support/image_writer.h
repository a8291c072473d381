// Writes compiled images for the loader's tests; the system itself only
// reads them. Each helper mirrors one reader of runtime/image, written
// independently of it so that the tests check the format, not the code.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/image/container.h"

using namespace runtime;

// Shortest form: one byte for 0..127, else sign, value bytes and a shift.
std::string CompactInt(int64_t value);
std::string CompactText(std::string_view utf8);
// A name as the trie symbols that name tables store as keys.
std::string SymbolKey(std::u16string_view name);

// The plain bytes of one record body.
class RecordBody {
public:
  RecordBody& Int(int64_t value);
  RecordBody& Text(std::string_view utf8);
  RecordBody& Ref(int32_t record) { return Int(record); }
  RecordBody& Raw(std::string_view bytes);
  // Starts a field entry; its data follows.
  RecordBody& Field(int32_t group, int32_t index) { return Int(group).Int(index); }
  // The stored reference count field of group 0.
  RecordBody& RefCount(int32_t count) { return Field(0, 0).Int(count - 1); }

  // Typed values: compact forms, 8 raw bytes, object references.
  RecordBody& IntValue(int32_t value);
  RecordBody& TextValue(std::string_view utf8);
  RecordBody& BoolValue(bool value);
  RecordBody& ByteValue(int32_t value);
  RecordBody& RawValue(int32_t tag, uint64_t bits);
  RecordBody& DoubleValue(double value);
  RecordBody& ObjectValue(int32_t tag, int32_t record);

  const std::string& Bytes() const { return bytes_; }

private:
  std::string bytes_;
};

using KeyedItems = std::vector<std::pair<std::string, int32_t>>;

RecordBody ListBody(bool ownsItems, const std::vector<int32_t>& items);
// Keys in symbols (SymbolKey), items as record references.
RecordBody TrieBody(const KeyedItems& items);
// Keys in symbols, items as 1-based positions in the inner list.
RecordBody NamedListBody(int32_t innerList, const KeyedItems& positions);
RecordBody VarLevelsBody(int32_t depth, int32_t stacks, int32_t baseLevel);

struct WrittenRecord {
  int32_t classId;
  std::string body;  // plain
};

class ImageWriter {
public:
  explicit ImageWriter(ImageForm form = ImageForm::kOrdinary, uint8_t version = kImageVersionPlain)
      : form_(form), version_(version) {}

  // The record's number (from 1).
  int32_t Add(int32_t classId, const RecordBody& body) { return Add(classId, body.Bytes()); }
  int32_t Add(int32_t classId, std::string plainBody);
  // Plain bodies, for tests that damage a record before it is scrambled.
  std::vector<WrittenRecord>& Records() { return records_; }
  const std::vector<WrittenRecord>& Records() const { return records_; }

  // Record count and records, bodies scrambled.
  std::string Payload() const;
  std::string Build() const;

private:
  ImageForm form_;
  uint8_t version_;
  std::vector<WrittenRecord> records_;
};

// Header, payload and trailer around a payload.
std::string WrapPayload(std::string_view payload, ImageForm form, uint8_t version);
// Scrambles a body with the chain key; the key becomes the next record's.
std::string ScrambleRecord(std::string_view plain, uint8_t& key, ImageForm form);
