// The layer's pixels: how colours stack, compositing, erasing, the dirty
// rectangle and the drawable area.
#include <gtest/gtest.h>

#include <vector>

#include "drawing/raster/ink_layer.h"

namespace sumimai {
namespace {

constexpr Rgb kYellow{200, 200, 0}, kInk{160, 140, 50}, kBlack{0, 0, 0};

std::uint32_t argb(int a, int r, int g, int b) {
  return static_cast<std::uint32_t>(a) << 24 | r << 16 | g << 8 | b;
}

TEST(InkLayer, SameColourCombinesByMaximum) {
  InkLayer ink(20, 20);
  ink.ring(10, 10.5f, 3, kInk);  // pixel (10, 13) centre on the outline: full
  ink.ring(10, 10.5f, 3.5f, kInk);
  ink.ring(10, 10.5f, 3.25f, kInk);
  EXPECT_EQ(ink.coverage(10, 13), 255);
  // Partial coverages do not pile up: three rings at the same place show
  // exactly what one shows.
  InkLayer once(20, 20), thrice(20, 20);
  once.ring(10.2f, 10.3f, 4.4f, kInk);
  for (int i = 0; i < 3; ++i) thrice.ring(10.2f, 10.3f, 4.4f, kInk);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(once.colourOverWhite(x, y), thrice.colourOverWhite(x, y));
}

TEST(InkLayer, AnotherColourFlattensWhatLiesBeneath) {
  InkLayer ink(4, 1);
  ink.fillRectangle(0, 0, 4, 1, kYellow);
  EXPECT_EQ(ink.colourOverWhite(1, 0), kYellow);
  // Half ink over the yellow: the yellow shows through half.
  ink.fillRectangle(1, 0, 2, 0.5f, kInk);
  EXPECT_EQ(ink.coverage(1, 0), 128);
  Rgb mixed = ink.colourOverWhite(1, 0);
  EXPECT_NEAR(mixed.red, (200 + 160) / 2, 1);
  EXPECT_NEAR(mixed.green, (200 + 140) / 2, 1);
  EXPECT_NEAR(mixed.blue, (0 + 50) / 2, 1);
  // Full ink hides it.
  ink.fillRectangle(2, 0, 3, 1, kInk);
  EXPECT_EQ(ink.colourOverWhite(2, 0), kInk);
  // A pixel left alone keeps its yellow; one never drawn stays white.
  EXPECT_EQ(ink.colourOverWhite(3, 0), kYellow);
  InkLayer blank(1, 1);
  EXPECT_EQ(blank.colourOverWhite(0, 0), (Rgb{255, 255, 255}));
}

TEST(InkLayer, ColourComponentsAreHeldToBytes) {
  InkLayer ink(1, 1);
  ink.fillRectangle(0, 0, 1, 1, {300, -20, 128});
  EXPECT_EQ(ink.colourOverWhite(0, 0), (Rgb{255, 0, 128}));
}

TEST(InkLayer, CompositesPremultipliedOver) {
  InkLayer ink(3, 1);
  ink.fillRectangle(0, 0, 1, 1, kBlack);     // full black
  ink.fillRectangle(1, 0, 2, 0.5f, kBlack);  // half black
  std::vector<std::uint32_t> image = {argb(255, 200, 100, 50), argb(255, 200, 100, 50), argb(128, 128, 0, 64)};
  ink.compositeOnto(image.data(), 3, {0, 0, 3, 1});
  EXPECT_EQ(image[0], argb(255, 0, 0, 0));
  EXPECT_EQ(image[1], argb(255, 100, 50, 25));
  EXPECT_EQ(image[2], argb(128, 128, 0, 64));  // no ink: unchanged
}

TEST(InkLayer, ARowComposesAsTheRectangleDoes) {
  // One colour (nothing flattened beneath) and two; the row reaches past
  // the layer on both sides, where it stays as it was.
  for (bool second : {false, true}) {
    InkLayer ink(12, 6);
    ink.ring(5.3f, 3.1f, 2.6f, kInk);
    if (second) ink.fillRectangle(2, 1, 9, 4.5f, kYellow), ink.ring(6, 3, 1.5f, kBlack);
    std::vector<std::uint32_t> whole(12 * 6, argb(255, 10, 20, 30));
    ink.compositeOnto(whole.data(), 12, {0, 0, 12, 6});
    for (int y = 0; y < 6; ++y) {
      std::vector<std::uint32_t> row(16, argb(255, 10, 20, 30));
      ink.compositeRow(y, -2, 14, row.data());
      EXPECT_EQ(row[0], argb(255, 10, 20, 30));
      EXPECT_EQ(row[15], argb(255, 10, 20, 30));
      for (int x = 0; x < 12; ++x) ASSERT_EQ(row[static_cast<std::size_t>(x + 2)], whole[static_cast<std::size_t>(y * 12 + x)]) << x << "," << y;
    }
  }
}

TEST(InkLayer, CompositesOnlyWithinRectAndLayer) {
  InkLayer ink(4, 3);
  ink.fillRectangle(0, 0, 4, 3, {255, 255, 255});
  std::vector<std::uint32_t> image(4 * 3, argb(255, 0, 0, 0));
  ink.compositeOnto(image.data(), 4, {1, 1, 10, 10});
  EXPECT_EQ(image[0], argb(255, 0, 0, 0));
  EXPECT_EQ(image[1 * 4 + 1], argb(255, 255, 255, 255));
  EXPECT_EQ(image[2 * 4 + 3], argb(255, 255, 255, 255));
  EXPECT_EQ(image[0 * 4 + 3], argb(255, 0, 0, 0));
}

TEST(InkLayer, StrideLeavesPaddingAlone) {
  InkLayer ink(2, 2);
  ink.fillRectangle(0, 0, 2, 2, kBlack);
  std::vector<std::uint32_t> image(3 * 2, argb(255, 9, 9, 9));
  ink.compositeOnto(image.data(), 3, {0, 0, 2, 2});
  EXPECT_EQ(image[2], argb(255, 9, 9, 9));
  EXPECT_EQ(image[5], argb(255, 9, 9, 9));
  EXPECT_EQ(image[4], argb(255, 0, 0, 0));
}

TEST(InkLayer, EraseAndClearRemoveInk) {
  InkLayer ink(10, 10);
  ink.fillRectangle(0, 0, 5, 10, kYellow);
  ink.fillRectangle(0, 0, 10, 10, kInk);  // the yellow is now beneath
  ink.takeDirty();
  ink.erase({2, 2, 4, 4});
  EXPECT_EQ(ink.colourOverWhite(3, 3), (Rgb{255, 255, 255}));
  EXPECT_EQ(ink.coverage(3, 3), 0);
  EXPECT_EQ(ink.colourOverWhite(1, 1), kInk);
  EXPECT_EQ(ink.takeDirty(), (PixelRect{2, 2, 4, 4}));
  ink.erase({-5, -5, 100, 1});  // clipped
  EXPECT_EQ(ink.takeDirty(), (PixelRect{0, 0, 10, 1}));
  ink.clear();
  EXPECT_EQ(ink.colourOverWhite(1, 5), (Rgb{255, 255, 255}));
  EXPECT_EQ(ink.takeDirty(), (PixelRect{0, 0, 10, 10}));
  // Cleared, the layer still flattens a second colour over a first.
  ink.fillRectangle(0, 0, 1, 1, kYellow);
  ink.fillRectangle(0, 0, 1, 0.5f, kInk);
  EXPECT_NEAR(ink.colourOverWhite(0, 0).red, (200 + 160) / 2, 1);
  EXPECT_NEAR(ink.colourOverWhite(0, 0).blue, (0 + 50) / 2, 1);
}

TEST(InkLayer, DirtyIsTheBoxOfTouchedPixelsThenEmpty) {
  InkLayer ink(100, 100);
  EXPECT_TRUE(ink.takeDirty().empty());
  ink.ring(20.5f, 30.5f, 0, kInk);
  ink.ring(60.5f, 40.5f, 0, kInk);
  EXPECT_EQ(ink.takeDirty(), (PixelRect{20, 30, 61, 41}));
  EXPECT_TRUE(ink.takeDirty().empty());
}

TEST(InkLayer, DrawableAreaLimitsDrawing) {
  InkLayer ink(30, 20);
  ink.setDrawableArea({0, 0, 25, 15});
  ink.takeDirty();
  ink.line(27, 0, 27, 20, kInk);  // a column beyond the area
  ink.rectangleOutline(-1, -1, 26, 16, kInk);
  EXPECT_TRUE(ink.takeDirty().empty());
  ink.fillRectangle(0, 0, 30, 20, kInk);
  EXPECT_EQ(ink.takeDirty(), (PixelRect{0, 0, 25, 15}));
  EXPECT_EQ(ink.coverage(26, 5), 0);
  // The area outlives a resize; the layer bounds it.
  ink.reset(10, 10);
  EXPECT_EQ(ink.drawableArea(), (PixelRect{0, 0, 10, 10}));
  ink.reset(40, 40);
  EXPECT_EQ(ink.drawableArea(), (PixelRect{0, 0, 25, 15}));
}

TEST(InkLayer, ResetResizesAndClears) {
  InkLayer ink(5, 5);
  ink.fillRectangle(0, 0, 5, 5, kInk);
  ink.reset(8, 3);
  EXPECT_EQ(ink.width(), 8);
  EXPECT_EQ(ink.height(), 3);
  EXPECT_EQ(ink.coverage(1, 1), 0);
  EXPECT_EQ(ink.coverage(-1, 1), 0);
  EXPECT_EQ(ink.coverage(8, 1), 0);
  ink.reset(-3, 4);
  EXPECT_EQ(ink.width(), 0);
}

}  // namespace
}  // namespace sumimai
