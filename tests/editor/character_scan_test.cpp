#include <gtest/gtest.h>

#include "editor/character_scans.h"

using namespace editor;

namespace {

class Letters {
 public:
  bool IsLetter(toolkit::Char c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
};

struct ScanCase {
  const char16_t* line;
  int start;
  int forward;
  int backward;
};

const ScanCase kScans[] = {
    {u"  ab  cd", 1, 3, 0},
    {u"  ab  cd", 3, 3, 3},
    {u"  ab  cd", 5, 7, 4},
    {u"  ab  cd", 8, 8, 8},
    {u"  ab  cd", 9, 0, 0},  // past the end
    {u"  ab  cd", 0, 0, 0},
    {u"  ab  cd", -1, 0, 0},
    {u"ab  ", 4, 0, 2},
    {u"", 1, 0, 0},
};

TEST(CharacterScans, ScanForAndBackTable) {
  Letters letters;
  const CharCategoryTest test(&letters, &Letters::IsLetter);
  for (const ScanCase& c : kScans) {
    SCOPED_TRACE(testing::Message() << toolkit::ToUtf8(c.line) << " from " << c.start);
    EXPECT_EQ(ScanForCategory(c.line, c.start, test), c.forward);
    EXPECT_EQ(ScanBackForCategory(c.line, c.start, test), c.backward);
  }
}

TEST(CharacterScans, LineEndStopsAtABreakOrAZeroAndNeverPastTheText) {
  EXPECT_EQ(LineEndOf(u"ab\r\ncd"), 2u);
  EXPECT_EQ(LineEndOf(u"ab\ncd"), 2u);
  EXPECT_EQ(LineEndOf(toolkit::StringView(u"ab\0cd", 5)), 2u);
  EXPECT_EQ(LineEndOf(u"abcd"), 4u);
  EXPECT_EQ(LineEndOf(toolkit::StringView(u"abcd\n", 3)), 3u);
  EXPECT_EQ(LineEndOf(u""), 0u);
}

}  // namespace
