#include "support/image_writer.h"

#include <bit>
#include <algorithm>

#include "runtime/base/trie.h"

using namespace runtime;

namespace {

std::string LittleEndian(uint64_t value, int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
  return bytes;
}

int ByteCount(uint64_t value) {
  int count = 1;
  while (value >> (8 * count)) ++count;
  return count;
}

}  // namespace

std::string CompactInt(int64_t value) {
  if (value >= 0 && value <= 127) return std::string(1, static_cast<char>(value ^ kCompactKey));
  const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  const int shift = std::min(std::countr_zero(magnitude), 15);
  const uint64_t digits = magnitude >> shift;
  const int count = ByteCount(digits);
  const int first = 0x80 | (value < 0 ? 0x40 : 0) | (count - 1) << 4 | shift;
  return std::string(1, static_cast<char>(first)) + LittleEndian(digits, count);
}

std::string CompactText(std::string_view utf8) { return CompactInt(int64_t(utf8.size())) + std::string(utf8); }

std::string SymbolKey(std::u16string_view name) {
  std::string key;
  uint8_t symbols[8];
  for (char16_t c : name) {
    const int count = TrieSymbols(c, symbols);
    key.append(reinterpret_cast<const char*>(symbols), count);
  }
  return key;
}

RecordBody& RecordBody::Int(int64_t value) { return Raw(CompactInt(value)); }
RecordBody& RecordBody::Text(std::string_view utf8) { return Raw(CompactText(utf8)); }
RecordBody& RecordBody::Raw(std::string_view bytes) {
  bytes_.append(bytes);
  return *this;
}

RecordBody& RecordBody::IntValue(int32_t value) { return Int(3).Int(value); }
RecordBody& RecordBody::TextValue(std::string_view utf8) { return Int(8).Text(utf8); }
RecordBody& RecordBody::BoolValue(bool value) { return Int(11).Int(value ? 1 : 0); }
RecordBody& RecordBody::ByteValue(int32_t value) { return Int(17).Int(value); }
RecordBody& RecordBody::RawValue(int32_t tag, uint64_t bits) { return Int(tag).Raw(LittleEndian(bits, 8)); }
RecordBody& RecordBody::DoubleValue(double value) { return RawValue(5, std::bit_cast<uint64_t>(value)); }
RecordBody& RecordBody::ObjectValue(int32_t tag, int32_t record) { return Int(tag).Ref(record); }

RecordBody ListBody(bool ownsItems, const std::vector<int32_t>& items) {
  RecordBody body;
  body.Int(int64_t(items.size())).Int(ownsItems ? 1 : 0);
  for (int32_t item : items) body.Ref(item);
  return body;
}

RecordBody TrieBody(const KeyedItems& items) {
  RecordBody body;
  body.Int(int64_t(items.size()));
  for (const auto& [key, item] : items) body.Text(key).Ref(item);
  return body;
}

RecordBody NamedListBody(int32_t innerList, const KeyedItems& positions) {
  RecordBody body;
  body.Ref(innerList).Raw(TrieBody(positions).Bytes());
  return body;
}

RecordBody VarLevelsBody(int32_t depth, int32_t stacks, int32_t baseLevel) {
  RecordBody body;
  body.Field(4, 0).Int(depth).Field(4, 1).Ref(stacks).Field(4, 2).Int(baseLevel);
  return body;
}

int32_t ImageWriter::Add(int32_t classId, std::string plainBody) {
  records_.push_back({classId, std::move(plainBody)});
  return static_cast<int32_t>(records_.size());
}

// The chain key starts from the record count (plus one in the second form)
// and takes in each record's class id and number.
std::string ImageWriter::Payload() const {
  const auto count = static_cast<int32_t>(records_.size());
  std::string payload = CompactInt(count);
  uint8_t key = static_cast<uint8_t>(form_ == ImageForm::kSecond ? count + 1 : count);
  for (int32_t number = 1; number <= count; ++number) {
    const WrittenRecord& record = records_[number - 1];
    payload += CompactInt(record.classId) + CompactInt(int64_t(record.body.size()));
    key = static_cast<uint8_t>(key ^ record.classId ^ number);
    payload += ScrambleRecord(record.body, key, form_);
  }
  return payload;
}

std::string ImageWriter::Build() const { return WrapPayload(Payload(), form_, version_); }

std::string WrapPayload(std::string_view payload, ImageForm form, uint8_t version) {
  const auto length = static_cast<uint32_t>(payload.size());
  const uint32_t lengthKey = form == ImageForm::kSecond ? kSecondLengthKey : kOrdinaryLengthKey;
  const char formByte = static_cast<char>(form == ImageForm::kSecond ? kSecondFormByte : kOrdinaryFormByte);
  std::string image = std::string(kImageMagic) + static_cast<char>(version) + LittleEndian(length, 4);
  image.append(payload);
  image += LittleEndian(length ^ lengthKey, 4) + formByte + std::string(kImageTag);
  return image;
}

// Each scrambled byte is the plain byte XOR the previous plain byte (the
// first XOR the key and the body size), XOR 0x6D in the second form.
std::string ScrambleRecord(std::string_view plain, uint8_t& key, ImageForm form) {
  if (plain.empty()) return {};
  const uint8_t extra = form == ImageForm::kSecond ? kSecondFormByteKey : 0;
  uint8_t previous = static_cast<uint8_t>(key ^ plain.size());
  std::string scrambled;
  for (char c : plain) {
    const auto byte = static_cast<uint8_t>(c);
    scrambled.push_back(static_cast<char>(byte ^ previous ^ extra));
    previous = byte;
  }
  key = previous;
  return scrambled;
}
