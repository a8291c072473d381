#include <gtest/gtest.h>

#include <memory>

#include "headless_fixture.h"
#include "toolkit/graphics/image_list.h"

using namespace toolkit;

namespace {

// Three 4 x 4 images on a fuchsia mask: a red pixel at (1,1), a blue one at
// (3,3) and a green one at (0,0).
struct ImageListFixture : HeadlessTest {
  void SetUp() override {
    HeadlessTest::SetUp();
    Bitmap strip(12, 4);
    strip.Fill(clFuchsia);
    strip.SetPixel(1, 1, clRed);
    strip.SetPixel(4 + 3, 3, clBlue);
    strip.SetPixel(8, 0, clLime);
    images.AddMasked(strip, clFuchsia);
    // Bitmaps belong to the backend current when they are made.
    target = std::make_unique<Bitmap>(4, 4);
    target->Fill(clWhite);
  }
  Color At(int x, int y) { return target->Pixel(x, y); }

  ImageList images{nullptr, 4, 4};
  std::unique_ptr<Bitmap> target;
};

TEST_F(ImageListFixture, TheBackgroundFillsMaskedPixelsUnlessTransparent) {
  struct Case {
    const char* name;
    Color listBackground;
    Color background;
    unsigned style;
    Color masked;
  };
  const Case cases[] = {
      {"no background", clNone, clDefault, ild::Normal, clWhite},
      {"the list's", clYellow, clDefault, ild::Normal, clYellow},
      {"given", clYellow, clAqua, ild::Normal, clAqua},
      {"given none", clYellow, clNone, ild::Normal, clWhite},
      {"transparent", clYellow, clAqua, ild::Transparent, clWhite},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    target->Fill(clWhite);
    images.SetBkColor(c.listBackground);
    images.DrawEx(target->GetCanvas(), 0, 0, 0, c.background, clNone, c.style);
    EXPECT_EQ(At(0, 0), c.masked);
    EXPECT_EQ(At(1, 1), clRed);
  }
}

TEST_F(ImageListFixture, BlendingMixesOnlyTheImagesOwnPixels) {
  struct Case {
    const char* name;
    Color foreground;
    unsigned style;
    Color red;
  };
  const Case cases[] = {
      {"half", clBlue, ild::Blend50 | ild::Transparent, Rgb(127, 0, 127)},
      {"quarter", clBlue, ild::Blend25 | ild::Transparent, Rgb(191, 0, 63)},
      {"highlight", clDefault, ild::Blend50 | ild::Transparent, Rgb(127, 60, 107)},
      {"no colour", clNone, ild::Blend50 | ild::Transparent, clRed},
      {"no blend", clBlue, ild::Transparent, clRed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    target->Fill(clWhite);
    images.DrawEx(target->GetCanvas(), 0, 0, 0, clNone, c.foreground, c.style);
    EXPECT_EQ(At(1, 1), c.red);
    EXPECT_EQ(At(0, 0), clWhite);
  }
  // The list's own drawing style and blend colour apply to Draw.
  images.SetBlendColor(clBlue);
  images.SetDrawingStyle(DrawingStyle::Selected);
  EXPECT_EQ(images.DrawingStyleFlags(), ild::Blend50);
  images.Draw(target->GetCanvas(), 0, 0, 0);
  EXPECT_EQ(At(1, 1), Rgb(127, 0, 127));
  // A disabled image is grey, and still masked.
  images.SetDrawingStyle(DrawingStyle::Transparent);
  target->Fill(clWhite);
  images.Draw(target->GetCanvas(), 0, 0, 0, false);
  EXPECT_EQ(RedOf(At(1, 1)), GreenOf(At(1, 1)));
  EXPECT_EQ(At(0, 0), clWhite);
}

TEST_F(ImageListFixture, AnOverlayIsDrawnOverTheImage) {
  EXPECT_FALSE(images.Overlay(3, 0));
  EXPECT_FALSE(images.Overlay(1, kOverlayCount));
  ASSERT_TRUE(images.Overlay(1, 0));
  ASSERT_TRUE(images.Overlay(2, 14));
  EXPECT_EQ(OverlayStyle(0), 0x100u);
  EXPECT_EQ(OverlayStyle(14), 0xF00u);
  images.DrawEx(target->GetCanvas(), 0, 0, 0, clYellow, clNone, ild::Normal | OverlayStyle(0));
  EXPECT_EQ(At(1, 1), clRed);
  EXPECT_EQ(At(3, 3), clBlue);   // the overlay's pixel
  EXPECT_EQ(At(0, 0), clYellow);  // the overlay leaves the background
  images.DrawEx(target->GetCanvas(), 0, 0, 0, clNone, clNone, ild::Transparent | OverlayStyle(14));
  EXPECT_EQ(At(0, 0), clLime);
  // An overlay number nothing was registered for draws the image alone.
  target->Fill(clWhite);
  images.DrawEx(target->GetCanvas(), 0, 0, 0, clNone, clNone, ild::Transparent | OverlayStyle(5));
  EXPECT_EQ(At(3, 3), clWhite);
  // Deleting an image keeps the overlays on their images.
  images.Delete(1);
  target->Fill(clWhite);
  images.DrawEx(target->GetCanvas(), 0, 0, 0, clNone, clNone, ild::Transparent | OverlayStyle(0));
  EXPECT_EQ(At(3, 3), clWhite);
  images.DrawEx(target->GetCanvas(), 0, 0, 0, clNone, clNone, ild::Transparent | OverlayStyle(14));
  EXPECT_EQ(At(0, 0), clLime);
}

TEST_F(ImageListFixture, AssignCopiesTheDrawingSettings) {
  images.SetBkColor(clYellow);
  images.SetBlendColor(clBlue);
  images.SetDrawingStyle(DrawingStyle::Focus);
  images.Overlay(2, 3);
  ImageList copy(nullptr);
  copy.Assign(&images);
  EXPECT_EQ(copy.BkColor(), clYellow);
  EXPECT_EQ(copy.BlendColor(), clBlue);
  EXPECT_EQ(copy.GetDrawingStyle(), DrawingStyle::Focus);
  copy.DrawEx(target->GetCanvas(), 0, 0, 1, clNone, clNone, ild::Transparent | OverlayStyle(3));
  EXPECT_EQ(At(0, 0), clLime);
}

}  // namespace
