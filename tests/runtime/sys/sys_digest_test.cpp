#include <gtest/gtest.h>

#include <string>

#include "support/sys_fixture.h"
#include "runtime/sys/digest.h"
#include "runtime/sys/file_text.h"

using namespace runtime;

namespace {

// Zero and high bytes are data like any other; 300 bytes span several blocks.
std::string BinaryBytes() {
  std::string bytes;
  for (int i = 0; i < 100; ++i) bytes.append("\0\xff\x80", 3);
  return bytes;
}

struct DigestCase {
  std::string bytes;
  const char* md5;
  const char* sha1;
};

const DigestCase kDigestCases[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72", "a9993e364706816aba3e25717850c26c9cd0d89d"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0", "c12252ceda8be8994d5fa0290a47231c1d16aae3"},
    {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", "8215ef0796a20bcaaae116d3876c664a",
     "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
    {BinaryBytes(), "c8ede837af09d3a8dc0ca058644be4ed", "639508de67313b1f549545cd12946e4853a8f9f7"},
};

TEST(SysDigest, KnownVectors) {
  for (const DigestCase& c : kDigestCases) {
    EXPECT_EQ(HashMD5Hex(c.bytes), T(c.md5)) << c.bytes.size() << " bytes";
    EXPECT_EQ(HashSHA1Hex(c.bytes), T(c.sha1)) << c.bytes.size() << " bytes";
  }
}

using SysFileDigest = SysFolderTest;

// The digest covers every byte of the file, a byte-order mark included.
TEST_F(SysFileDigest, ReadFileTextDigestsTheFileBytes) {
  WriteFile(u"marked.txt", "\xEF\xBB\xBF" "abc");
  const Text name = Name(u"marked.txt");
  EXPECT_EQ(ReadFileText(name, 0, 0), T("53a492debae1c7abf6615813b4b5ca99"));
  EXPECT_EQ(ReadFileText(name, 0, 1), T("0bd332e7dbe318a5f1258e1eae113b2b0e69dbef"));
  EXPECT_EQ(ReadFileText(name, 1200, 7), ReadFileText(name, 0, 1));
}

}  // namespace
