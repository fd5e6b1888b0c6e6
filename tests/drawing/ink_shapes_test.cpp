// Lines, rectangle outlines and filled rectangles.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "drawing/raster/ink_layer.h"

namespace sumimai {
namespace {

constexpr Rgb kYellow{200, 200, 0};

TEST(InkShapes, LineOnPixelCentresIsOnePixelWide) {
  InkLayer ink(20, 20);
  ink.line(5.5f, 2.5f, 5.5f, 12.5f, kYellow);
  for (int y = 2; y <= 12; ++y) {
    EXPECT_EQ(ink.coverage(5, y), 255) << y;
    EXPECT_EQ(ink.coverage(4, y), 0) << y;
    EXPECT_EQ(ink.coverage(6, y), 0) << y;
  }
  // The square ends reach half a pixel beyond the end points.
  EXPECT_EQ(ink.coverage(5, 1), 0);
  EXPECT_EQ(ink.coverage(5, 13), 0);
}

TEST(InkShapes, LineBetweenPixelsSharesItsInk) {
  InkLayer ink(20, 20);
  ink.line(2.5f, 6.0f, 15.5f, 6.0f, kYellow);
  EXPECT_EQ(ink.coverage(8, 5), 128);
  EXPECT_EQ(ink.coverage(8, 6), 128);
  EXPECT_EQ(ink.coverage(8, 4), 0);
}

TEST(InkShapes, DiagonalLineCarriesAboutOnePixelOfInkPerPixelOfLength) {
  InkLayer ink(60, 60);
  ink.line(10.2f, 10.7f, 50.1f, 40.3f, kYellow);
  // Count along a column crossing its middle.
  double column = 0;
  for (int y = 0; y < 60; ++y) column += ink.coverage(30, y) / 255.0;
  const double slope = (40.3 - 10.7) / (50.1 - 10.2);
  EXPECT_NEAR(column, std::sqrt(1 + slope * slope), 0.12);
}

TEST(InkShapes, RectangleOutlineClosesItsCorners) {
  InkLayer ink(20, 20);
  ink.rectangleOutline(3.5f, 4.5f, 12.5f, 10.5f, kYellow);
  for (auto [x, y] : {std::pair{3, 4}, {12, 4}, {3, 10}, {12, 10}, {7, 4}, {3, 7}, {12, 8}, {7, 10}})
    EXPECT_EQ(ink.coverage(x, y), 255) << x << "," << y;
  EXPECT_EQ(ink.coverage(7, 7), 0);
  EXPECT_EQ(ink.coverage(2, 4), 0);
  EXPECT_EQ(ink.coverage(13, 10), 0);
}

TEST(InkShapes, FillCoversTheShareOfEachPixel) {
  InkLayer ink(10, 10);
  ink.fillRectangle(7.5f, 6.0f, 2.0f, 3.25f, kYellow);  // corners in any order
  EXPECT_EQ(ink.coverage(4, 4), 255);
  EXPECT_EQ(ink.coverage(2, 4), 255);
  EXPECT_EQ(ink.coverage(7, 4), 128);
  EXPECT_EQ(ink.coverage(4, 3), 191);
  EXPECT_EQ(ink.coverage(7, 3), 96);
  EXPECT_EQ(ink.coverage(4, 6), 0);
  EXPECT_EQ(ink.coverage(1, 4), 0);
  EXPECT_EQ(ink.takeDirty(), (PixelRect{2, 3, 8, 6}));
}

TEST(InkShapes, OffLayerAndNonFiniteShapesTouchNothing) {
  InkLayer ink(50, 30);
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  ink.line(-0.5f, -0.5f, -0.5f, 40, kYellow);         // the column before the layer
  ink.rectangleOutline(-0.5f, -0.5f, 60.5f, 40.5f, kYellow);
  ink.line(nan, 1, 5, 5, kYellow);
  ink.line(1, 1, inf, 5, kYellow);
  ink.rectangleOutline(1, 1, 5, nan, kYellow);
  ink.fillRectangle(-inf, 0, 5, 5, kYellow);
  ink.fillRectangle(60, 0, 70, 5, kYellow);
  ink.fillRectangle(5, 5, 5, 9, kYellow);  // no area
  EXPECT_TRUE(ink.takeDirty().empty());
  ink.fillRectangle(-1e30f, -1e30f, 1e30f, 1e30f, kYellow);
  EXPECT_EQ(ink.takeDirty(), (PixelRect{0, 0, 50, 30}));
}

}  // namespace
}  // namespace sumimai
