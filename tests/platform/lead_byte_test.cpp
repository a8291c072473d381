#include <gtest/gtest.h>

#include "platform/lead_byte.h"

using namespace platform;

namespace {

TEST(LeadByteTest, DoubleByteCodePages) {
  for (const int codePage : {932, 936, 949, 950}) EXPECT_TRUE(IsDoubleByteCodePage(codePage)) << codePage;
  for (const int codePage : {1252, 28591, 65001}) EXPECT_FALSE(IsDoubleByteCodePage(codePage)) << codePage;
}

TEST(LeadByteTest, LeadBytes) {
  struct Case {
    int codePage;
    unsigned char byte;
    bool lead;
  };
  const Case cases[] = {
      {936, 0xD6, true},  {936, 0x81, true},  {936, 'a', false},  {936, 0x80, false},
      {932, 0x81, true},  {932, 0xE0, true},  {932, 0xA1, false}, {932, 0x5C, false},
      {1252, 0xD6, false}, {65001, 0xC3, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsLeadByte(c.codePage, c.byte), c.lead) << c.codePage << " " << int(c.byte);
}

}  // namespace
