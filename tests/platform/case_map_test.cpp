#include <gtest/gtest.h>

#include "platform/case_map.h"

using namespace platform;

namespace {

struct CasePair {
  std::u16string_view lower;
  std::u16string_view upper;
};

const CasePair kCasePairs[] = {
    {u"hello w\u00f6rld", u"HELLO W\u00d6RLD"},
    {u"\u00e9t\u00e9 \u00e0 \u03c9\u03bc\u03ad\u03b3\u03b1", u"\u00c9T\u00c9 \u00c0 \u03a9\u039c\u0388\u0393\u0391"},
    {u"\u044f\u0436", u"\u042f\u0416"},
    {u"1 + \u4e2d", u"1 + \u4e2d"},
    {u"", u""},
};

TEST(CaseMapTest, MapsBothWays) {
  for (const CasePair& c : kCasePairs) {
    EXPECT_TRUE(UpperCase(c.lower) == c.upper);
    EXPECT_TRUE(LowerCase(c.upper) == c.lower);
  }
}

TEST(CaseMapTest, SurrogatesStay) {
  const std::u16string lone{u'a', char16_t(0xD800), u'b'};
  EXPECT_TRUE(UpperCase(lone) == (std::u16string{u'A', char16_t(0xD800), u'B'}));
  EXPECT_TRUE(UpperCase(u"x\U0001F600") == u"X\U0001F600");
}

}  // namespace
