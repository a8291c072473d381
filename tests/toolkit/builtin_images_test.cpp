// The pictures compiled into the toolkit: strips of square images, system
// colour mapping, cursors and the screen's cursor table.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "toolkit/controls/screen.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/builtin_images.h"
#include "toolkit/graphics/image_list.h"

using namespace toolkit;

namespace {

using BuiltInImagesTest = HeadlessTest;

TEST_F(BuiltInImagesTest, EveryPictureTheControlsNameIsThere) {
  struct Case {
    const char16_t* name;
    int width;
    int height;
  } cases[] = {
      {u"LT_CHECK_LIGHT", 400, 16}, {u"LT_CHECK_DARK", 400, 16},    {u"LT_TICK_LIGHT", 400, 16},
      {u"LT_TICK_DARK", 400, 16},   {u"LT_FLAT", 400, 16},          {u"LT_XP", 400, 16},
      {u"LT_UTILITIES", 96, 16},    {u"LT_XPBUTTONPLUS", 9, 9},     {u"LT_XPBUTTONMINUS", 9, 9},
      {u"CodeEditWrapped", 12, 12}, {u"CodeEditInternalImages", 120, 12}, {u"LT_HEADERSPLIT", 32, 32},
      {u"LT_VERTSPLIT", 32, 32},    {u"LT_MOVEALL", 32, 32},        {u"LT_MOVEEW", 32, 32},
      {u"LT_MOVENS", 32, 32},       {u"LT_MOVEN", 32, 32},          {u"LT_MOVES", 32, 32},
      {u"LT_MOVEW", 32, 32},        {u"LT_MOVEE", 32, 32},          {u"LT_MOVENE", 32, 32},
      {u"LT_MOVENW", 32, 32},       {u"LT_MOVESE", 32, 32},         {u"LT_MOVESW", 32, 32},
  };
  for (const Case& c : cases) {
    Bitmap bitmap;
    LoadBuiltInBitmap(bitmap, c.name);
    EXPECT_EQ(bitmap.Width(), c.width) << ToUtf8(c.name);
    EXPECT_EQ(bitmap.Height(), c.height) << ToUtf8(c.name);
  }
  EXPECT_TRUE(HasBuiltInImage(u"lt_check_light"));  // any letter case, as resource names
  Bitmap bitmap;
  EXPECT_FALSE(HasBuiltInImage(u"LT_NOSUCH"));
  try {
    LoadBuiltInBitmap(bitmap, u"LT_NOSUCH");
    FAIL();
  } catch (const InvalidOperation& error) {
    EXPECT_EQ(ToUtf8(error.Message()), "Resource LT_NOSUCH not found");
  }
}

TEST_F(BuiltInImagesTest, AStripCutsIntoSquareImagesWithTheCornerTransparent) {
  Bitmap strip;
  LoadBuiltInBitmap(strip, u"LT_CHECK_LIGHT", true);
  ImageList list(nullptr);
  list.SetSize(strip.Height(), strip.Height());
  list.AddMasked(strip, strip.Pixel(0, 0));
  EXPECT_EQ(list.Count(), 25);
  Bitmap utilities;
  LoadBuiltInBitmap(utilities, u"LT_UTILITIES", true);
  list.Clear();
  list.AddMasked(utilities, utilities.Pixel(0, 0));
  EXPECT_EQ(list.Count(), 6);
}

TEST_F(BuiltInImagesTest, MappingTurnsWhiteSilverAndGreyIntoSystemColours) {
  Bitmap plain;
  Bitmap mapped;
  LoadBuiltInBitmap(plain, u"LT_CHECK_DARK");
  LoadBuiltInBitmap(mapped, u"LT_CHECK_DARK", true);
  // The unchecked check box's face is white, its outer frame grey and the
  // pressed box's face silver (images 9 and 11).
  EXPECT_EQ(plain.Pixel(9 * 16 + 8, 8), Rgb(255, 255, 255));
  EXPECT_EQ(mapped.Pixel(9 * 16 + 8, 8), ColorToRgb(clWindow));
  EXPECT_EQ(plain.Pixel(9 * 16 + 2, 2), Rgb(128, 128, 128));
  EXPECT_EQ(mapped.Pixel(9 * 16 + 2, 2), ColorToRgb(clBtnShadow));
  EXPECT_EQ(mapped.Pixel(11 * 16 + 8, 8), ColorToRgb(clBtnFace));
  // Other colours stay.
  EXPECT_EQ(mapped.Pixel(0, 0), clFuchsia);
}

TEST_F(BuiltInImagesTest, TheTreesCursorsRegisterWithTheScreen) {
  const CursorHandle split = LoadBuiltInCursor(u"LT_HEADERSPLIT");
  ASSERT_NE(split, 0u);
  EXPECT_EQ(backend->Cursor(split)->hotSpot, (Point{16, 16}));
  EXPECT_GT(backend->Cursor(split)->opaquePixels, 0);
  EXPECT_LT(backend->Cursor(split)->opaquePixels, 32 * 32);
  TheScreen().SetCursors(63, split);
  TheScreen().SetCursors(62, LoadBuiltInCursor(u"LT_VERTSPLIT"));
  EXPECT_EQ(TheScreen().Cursors(63), split);
  EXPECT_NE(TheScreen().Cursors(62), 0u);
  TheScreen().SetCursor(63);
  EXPECT_EQ(backend->CursorShape(), 63);
  TheScreen().SetCursor(cr::Default);
  EXPECT_THROW(LoadBuiltInCursor(u"LT_NOSUCH"), InvalidOperation);
}

}  // namespace
