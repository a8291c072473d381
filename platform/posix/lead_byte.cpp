#include "platform/codepage.h"
#include "platform/lead_byte.h"

namespace platform {
namespace {

struct LeadRange {
  int codePage;
  unsigned char first;
  unsigned char last;
};

// The lead-byte ranges Windows reports for its double-byte code pages.
constexpr LeadRange kLeadRanges[] = {
    {932, 0x81, 0x9F},  {932, 0xE0, 0xFC},  {936, 0x81, 0xFE},  {949, 0x81, 0xFE},
    {950, 0x81, 0xFE},  {1361, 0x84, 0xD3}, {1361, 0xD8, 0xDE}, {1361, 0xE0, 0xF9},
};

int Resolve(int codePage) { return codePage == 0 ? SystemCodePage() : codePage; }

}  // namespace

bool IsDoubleByteCodePage(int codePage) {
  codePage = Resolve(codePage);
  for (const LeadRange& range : kLeadRanges) {
    if (range.codePage == codePage) return true;
  }
  return false;
}

bool IsLeadByte(int codePage, unsigned char byte) {
  codePage = Resolve(codePage);
  for (const LeadRange& range : kLeadRanges) {
    if (range.codePage == codePage && byte >= range.first && byte <= range.last) return true;
  }
  return false;
}

}  // namespace platform
