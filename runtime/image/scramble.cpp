#include "image/scramble.h"

uint8_t FirstChainKey(int32_t recordCount, ImageForm form) {
  return static_cast<uint8_t>(form == ImageForm::kSecond ? recordCount + 1 : recordCount);
}

uint8_t RecordChainKey(uint8_t key, int32_t classId, int32_t number) {
  return static_cast<uint8_t>(static_cast<uint32_t>(classId) ^ key ^ static_cast<uint32_t>(number));
}

uint8_t DescrambleRecord(uint8_t* body, std::size_t size, uint8_t key, ImageForm form) {
  if (size == 0) return key;
  const uint8_t extra = form == ImageForm::kSecond ? kSecondFormByteKey : 0;
  uint8_t k = static_cast<uint8_t>(key ^ size);
  for (std::size_t i = 0; i < size; ++i) {
    body[i] = static_cast<uint8_t>(body[i] ^ k ^ extra);
    k = body[i];
  }
  return k;
}
