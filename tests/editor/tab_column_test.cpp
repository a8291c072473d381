#include <gtest/gtest.h>

#include "editor/positions.h"
#include "editor/tab_expansion.h"

using namespace editor;

namespace {

struct ExpansionCase {
  const char16_t* line;
  int tabWidth;
  const char16_t* expanded;
  bool hasTabs;
};

// "\t" in an expanded line is one blank column the tab covers.
const ExpansionCase kExpansions[] = {
    {u"a\tb", 4, u"a\t\t\tb", true},
    {u"\t", 4, u"\t\t\t\t", true},
    {u"abcd\te", 4, u"abcd\t\t\t\te", true},
    {u"a\t\tb", 4, u"a\t\t\t\t\t\t\tb", true},
    {u"a\tb", 1, u"a b", true},
    {u"a\tb", 0, u"a b", true},
    {u"ab\tc", 3, u"ab\tc", true},
    {u"\tx\t", 3, u"\t\t\tx\t\t", true},
    {u"abc", 4, u"abc", false},
    {u"", 8, u"", false},
    // A wide character is one character here; its filler comes later.
    {u"\u4E2D\tz", 4, u"\u4E2D\t\t\tz", true},
    // A filler standing for a wide character's second cell is a column too.
    {u"\u4E2D\uE000\tz", 4, u"\u4E2D\uE000\t\tz", true},
    {u"a\tb", 65536, nullptr, true},
};

TEST(TabExpansion, EveryRoutineExpandsEachLineAlike) {
  for (const ExpansionCase& c : kExpansions) {
    SCOPED_TRACE(testing::Message() << "width " << c.tabWidth << " line " << toolkit::ToUtf8(c.line));
    bool hasTabs = !c.hasTabs;
    const String expanded = BestExpandTabsRoutine(c.tabWidth)(c.line, c.tabWidth, hasTabs);
    EXPECT_EQ(hasTabs, c.hasTabs);
    if (c.expanded) {
      EXPECT_EQ(expanded, c.expanded);
    }
    EXPECT_EQ(static_cast<int>(expanded.size()), ColumnsOfLine(c.line, c.tabWidth));
    if (c.tabWidth >= 2) {
      bool anyTabs = false;
      EXPECT_EQ(ExpandTabsAny(c.line, c.tabWidth, anyTabs), expanded);
      EXPECT_EQ(anyTabs, c.hasTabs);
    }
  }
}

TEST(TabExpansion, TheRoutineFollowsTheTabWidth) {
  EXPECT_EQ(BestExpandTabsRoutine(1), &ExpandTabsSingle);
  EXPECT_EQ(BestExpandTabsRoutine(-3), &ExpandTabsSingle);
  EXPECT_EQ(BestExpandTabsRoutine(2), &ExpandTabsPow2);
  EXPECT_EQ(BestExpandTabsRoutine(8), &ExpandTabsPow2);
  EXPECT_EQ(BestExpandTabsRoutine(65536), &ExpandTabsPow2);
  EXPECT_EQ(BestExpandTabsRoutine(3), &ExpandTabsAny);
  EXPECT_EQ(BestExpandTabsRoutine(131072), &ExpandTabsAny);
  for (int n : {1, 0, -2, 6, 131072}) EXPECT_FALSE(IsPow2(n)) << n;
  for (int n : {2, 4, 1024, 65536}) EXPECT_TRUE(IsPow2(n)) << n;
}

TEST(TabExpansion, FindFirstTabCountsWhatComesBefore) {
  std::int32_t count = -1;
  EXPECT_TRUE(FindFirstTab(u"ab\tc\t", count));
  EXPECT_EQ(count, 2);
  EXPECT_FALSE(FindFirstTab(u"abc", count));
  EXPECT_EQ(count, 3);
  EXPECT_TRUE(FindFirstTab(u"\t", count));
  EXPECT_EQ(count, 0);
}

struct ColumnCase {
  const char16_t* line;
  int tabWidth;
  int index;
  int column;
};

const ColumnCase kColumns[] = {
    {u"a\tb", 4, 3, 5},
    {u"a\tb", 4, 10, 12},  // past the end one column each
    {u"a\tb", 4, 2, 2},    // at the tab itself
    {u"a\tb", 4, 1, 1},
    {u"a\tb", 4, 0, 1},
    {u"a\tb", 4, -7, 1},
    {u"a\tb", 1, 3, 3},
    {u"abc", 4, 3, 3},
    {u"abc", 4, 9, 9},
    {u"\t\tx", 4, 3, 9},
    {u"ab\tc", 3, 4, 4},
    {u"abcd\t", 4, 6, 9},
    {u"", 4, 5, 5},
    {u"\u4E2D\uE000\tz", 4, 4, 5},
};

TEST(TabExpansion, CharIndexToColumnTable) {
  for (const ColumnCase& c : kColumns) {
    EXPECT_EQ(CharIndexToColumn(c.index, c.tabWidth, c.line), c.column)
        << toolkit::ToUtf8(c.line) << " width " << c.tabWidth << " index " << c.index;
  }
}

TEST(Positions, MinPosAndClamp) {
  EXPECT_EQ(MinPos(MakeBufferPos(5, 2), MakeBufferPos(1, 3)), MakeBufferPos(5, 2));
  EXPECT_EQ(MinPos(MakeBufferPos(5, 3), MakeBufferPos(9, 2)), MakeBufferPos(9, 2));
  EXPECT_EQ(MinPos(MakeBufferPos(4, 2), MakeBufferPos(3, 2)), MakeBufferPos(3, 2));
  EXPECT_EQ(ClampInt(5, 2, 256), 5);
  EXPECT_EQ(ClampInt(1, 2, 256), 2);
  EXPECT_EQ(ClampInt(1000, 2, 256), 256);
  std::int32_t a = 1, b = 2;
  SwapInts(a, b);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 1);
  EXPECT_EQ(MakeDisplayPos(3, 4), (DisplayPos{3, 4}));
}

}  // namespace
