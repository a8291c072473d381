#include <gtest/gtest.h>

#include "editor/gradient.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/headless/headless_backend.h"
#include "toolkit/headless/recording_device.h"

using namespace toolkit;

namespace {

class Gradient : public ::testing::Test {
 protected:
  void SetUp() override { backend = &headless::Install(); }
  headless::HeadlessBackend* backend = nullptr;
};

TEST_F(Gradient, BandsRunFromTheStartColourToTheEndColour) {
  Bitmap bitmap(10, 4);
  backend->OffscreenDrawing().clear();
  editor::PaintGradient(bitmap.GetCanvas(), clBlack, clRed, 3, {0, 0, 10, 4}, true);
  EXPECT_EQ(headless::Summaries(backend->OffscreenDrawing()),
            "FillRect(0,0,3,4) brush=clBlack\n"
            "FillRect(3,0,7,4) brush=clMaroon\n"
            "FillRect(7,0,10,4) brush=clRed\n");
  EXPECT_EQ(bitmap.GetCanvas().Pixel(0, 0), clBlack);
  EXPECT_EQ(bitmap.GetCanvas().Pixel(5, 3), Rgb(128, 0, 0));
  EXPECT_EQ(bitmap.GetCanvas().Pixel(9, 0), clRed);
}

TEST_F(Gradient, VerticalBandsAndFallingChannels) {
  Bitmap bitmap(4, 20);
  backend->OffscreenDrawing().clear();
  editor::PaintGradient(bitmap.GetCanvas(), clWhite, clNavy, 2, {1, 10, 4, 20}, false);
  EXPECT_EQ(headless::Summaries(backend->OffscreenDrawing()),
            "FillRect(1,10,4,15) brush=clWhite\n"
            "FillRect(1,15,4,20) brush=clNavy\n");
}

TEST_F(Gradient, StepsAreHeldBetweenTwoAnd256) {
  Bitmap bitmap(300, 2);
  for (const auto& [steps, bands] : {std::pair{1, 2u}, {-5, 2u}, {1000, 256u}, {256, 256u}}) {
    backend->OffscreenDrawing().clear();
    editor::PaintGradient(bitmap.GetCanvas(), clBtnFace, clWindow, steps, {0, 0, 300, 2}, true);
    EXPECT_EQ(backend->OffscreenDrawing().size(), bands) << steps;
  }
  // System colours are resolved first.
  EXPECT_EQ(bitmap.GetCanvas().Pixel(0, 0), ColorToRgb(clBtnFace));
  EXPECT_EQ(bitmap.GetCanvas().Pixel(299, 0), ColorToRgb(clWindow));
}

}  // namespace
