// "md5" and "sha1" of a text: one byte per code unit, its low 8 bits, so an
// ASCII text gives the digest of its bytes in both builds.
#include <string>

#include "../sys/digest.h"
#include "builtin_args.h"
#include "builtin_handlers.h"

namespace {

std::string LowBytes(const Text& text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (Char c : text) bytes.push_back(char(CodeUnit(c) & 0xFF));
  return bytes;
}

}  // namespace

void DoMd5(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetText(HashMD5Hex(LowBytes(ReceiverText(receiver))));
}

void DoSha1(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetText(HashSHA1Hex(LowBytes(ReceiverText(receiver))));
}
