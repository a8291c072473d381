#include <gtest/gtest.h>

#include "editor/bookmark_options.h"
#include "editor/gutter.h"
#include "editor/selected_color.h"

using namespace editor;

namespace {

class ChangeCounter : public toolkit::Object {
 public:
  void Changed(toolkit::Object* sender) {
    ++count;
    last = sender;
  }
  toolkit::NotifyEvent Event() { return toolkit::NotifyEvent(this, &ChangeCounter::Changed); }
  int count = 0;
  toolkit::Object* last = nullptr;
};

class GutterTest : public ::testing::Test {
 protected:
  void SetUp() override { gutter.OnChange = changes.Event(); }
  TCodeGutter gutter;
  ChangeCounter changes;
};

TEST_F(GutterTest, InitialValues) {
  EXPECT_EQ(gutter.Font().Name(), u"Courier New");
  EXPECT_EQ(gutter.Font().Size(), 8);
  EXPECT_EQ(gutter.Color(), static_cast<toolkit::Color>(0xFF00000F));
  EXPECT_EQ(gutter.BorderColor(), static_cast<toolkit::Color>(0xFF000005));
  EXPECT_EQ(gutter.Width(), 30);
  EXPECT_EQ(gutter.DigitCount(), 4);
  EXPECT_EQ(gutter.LeftOffset(), 16);
  EXPECT_EQ(gutter.RightOffset(), 2);
  EXPECT_EQ(gutter.BorderStyle(), TCodeGutterBorderStyle::gbsMiddle);
  EXPECT_EQ(gutter.LineNumberStart(), 1);
  EXPECT_EQ(gutter.GradientSteps(), 48);
  EXPECT_TRUE(gutter.Visible());
  EXPECT_TRUE(gutter.UseFontStyle());
}

TEST_F(GutterTest, SettersClampAndNotifyOnlyOnChange) {
  gutter.SetDigitCount(1);
  EXPECT_EQ(gutter.DigitCount(), 2);
  gutter.SetDigitCount(20);
  EXPECT_EQ(gutter.DigitCount(), 12);
  EXPECT_EQ(gutter.AutoDigitCount(), 12);
  gutter.SetGradientSteps(1);
  EXPECT_EQ(gutter.GradientSteps(), 2);
  gutter.SetWidth(-5);
  EXPECT_EQ(gutter.Width(), 0);
  gutter.SetLeftOffset(-1);
  EXPECT_EQ(gutter.LeftOffset(), 0);
  EXPECT_EQ(changes.count, 5);
  EXPECT_EQ(changes.last, &gutter);

  gutter.SetColor(gutter.Color());
  gutter.SetDigitCount(12);
  gutter.SetCursor(3);  // stored without a notification
  EXPECT_EQ(changes.count, 5);
  gutter.SetBorderStyle(gutter.BorderStyle());
  EXPECT_EQ(changes.count, 6) << "the border style notifies even when unchanged";
  gutter.Font().SetSize(10);
  EXPECT_EQ(changes.count, 7) << "the font's changes are the gutter's";

  gutter.SetWidth(40);
  gutter.SetVisible(false);
  EXPECT_EQ(gutter.Width(), 0);
  gutter.SetVisible(true);
  EXPECT_EQ(gutter.Width(), 40);
}

TEST_F(GutterTest, LineNumberStartSetsZeroStart) {
  struct Case {
    int set, stored;
    bool zeroStart;
  };
  for (const Case& test : {Case{0, 0, true}, Case{-3, 0, true}, Case{5, 5, false}, Case{1, 1, false}}) {
    gutter.SetLineNumberStart(test.set);
    EXPECT_EQ(gutter.LineNumberStart(), test.stored) << test.set;
    EXPECT_EQ(gutter.ZeroStart(), test.zeroStart) << test.set;
  }
}

TEST_F(GutterTest, LineNumberTextAndPaintedWidth) {
  gutter.SetDigitCount(3);
  EXPECT_EQ(gutter.LineNumberText(7), u"  7");
  gutter.SetLeadingZeros(true);
  EXPECT_EQ(gutter.LineNumberText(7), u"007");
  EXPECT_EQ(gutter.LineNumberText(1234), u"1234");
  gutter.SetLineNumberStart(0);
  EXPECT_EQ(gutter.LineNumberText(1), u"000");
  gutter.SetLineNumberStart(10);
  EXPECT_EQ(gutter.LineNumberText(1), u"010");

  gutter.SetDigitCount(4);
  EXPECT_EQ(gutter.PaintedWidth(8), 30) << "without line numbers: the width";
  gutter.SetShowLineNumbers(true);
  EXPECT_EQ(gutter.PaintedWidth(8), 52);
  gutter.SetVisible(false);
  EXPECT_EQ(gutter.PaintedWidth(8), 0);
}

TEST_F(GutterTest, AutoDigitsFollowTheHighestNumberShown) {
  gutter.SetShowLineNumbers(true);
  gutter.SetAutoSize(true);
  changes.count = 0;
  gutter.UpdateAutoDigits(99999);
  EXPECT_EQ(gutter.AutoDigitCount(), 5);
  EXPECT_EQ(changes.count, 1);
  gutter.UpdateAutoDigits(99999);
  EXPECT_EQ(changes.count, 1);
  gutter.UpdateAutoDigits(12);
  EXPECT_EQ(gutter.AutoDigitCount(), 4) << "never below DigitCount";
  gutter.SetLineNumberStart(0);
  gutter.UpdateAutoDigits(100000);
  EXPECT_EQ(gutter.AutoDigitCount(), 5) << "99999 is the highest with ZeroStart";
  gutter.SetAutoSize(false);
  const int before = changes.count;
  gutter.UpdateAutoDigits(100000000);
  EXPECT_EQ(gutter.AutoDigitCount(), 4);
  EXPECT_EQ(changes.count, before) << "without AutoSize it quietly takes DigitCount";
}

TEST_F(GutterTest, AssignCopiesAllButTheCursorWithOneNotification) {
  TCodeGutter source;
  source.SetShowLineNumbers(true);
  source.SetDigitCount(6);
  source.Font().SetName(u"Tahoma");
  source.SetCursor(7);
  source.SetBorderStyle(TCodeGutterBorderStyle::gbsRight);
  gutter.Assign(&source);
  EXPECT_EQ(changes.count, 1);
  EXPECT_TRUE(gutter.ShowLineNumbers());
  EXPECT_EQ(gutter.AutoDigitCount(), 6);
  EXPECT_EQ(gutter.Font().Name(), u"Tahoma");
  EXPECT_EQ(gutter.BorderStyle(), TCodeGutterBorderStyle::gbsRight);
  EXPECT_EQ(gutter.Cursor(), 0);
  gutter.Font().SetSize(12);
  EXPECT_EQ(changes.count, 2) << "the font still reports to the gutter";
}

TEST(SelectedColorTest, DefaultsNotificationsAndAssign) {
  TCodeSelectedColor color;
  ChangeCounter changes;
  color.OnChange = changes.Event();
  EXPECT_EQ(color.Background(), static_cast<toolkit::Color>(0xFF00000D));
  EXPECT_EQ(color.Foreground(), static_cast<toolkit::Color>(0xFF00000E));
  color.SetBackground(color.Background());
  EXPECT_EQ(changes.count, 0);
  color.SetForeground(toolkit::clRed);
  EXPECT_EQ(changes.count, 1);
  TCodeSelectedColor copy;
  copy.Assign(&color);
  EXPECT_EQ(copy.Foreground(), toolkit::clRed);
}

TEST(BookmarkOptionsTest, DefaultsAndAssign) {
  TCodeBookMarkOpt options(nullptr);
  ChangeCounter changes;
  options.OnChange = changes.Event();
  EXPECT_TRUE(options.DrawBookmarksFirst());
  EXPECT_TRUE(options.EnableKeys());
  EXPECT_TRUE(options.GlyphsVisible());
  EXPECT_EQ(options.LeftMargin(), 2);
  EXPECT_EQ(options.Xoffset(), 12);
  options.SetEnableKeys(false);
  options.SetLeftMargin(2);
  EXPECT_EQ(changes.count, 0);
  options.SetXoffset(20);
  EXPECT_EQ(changes.count, 1);
  TCodeBookMarkOpt copy(nullptr);
  copy.Assign(&options);
  EXPECT_FALSE(copy.EnableKeys());
  EXPECT_EQ(copy.Xoffset(), 20);
}

}  // namespace
