// Typed values of image records: a compact type tag, then the payload.
#include "image/bad_format.h"
#include "image/compact.h"
#include "image/streamer.h"
#include "platform/codepage.h"

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
