// Rings as the brush uses them: thousands of them a fifteenth of a pixel
// apart must read as one solid stroke with a single antialiased edge.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "drawing/raster/ink_layer.h"

namespace sumimai {
namespace {

constexpr Rgb kInk{20, 30, 40};
constexpr float kStep = 1.0f / 15;  // one twip at 96 dots per inch

// Rings of one radius whose centres run along y = cy from x0 to x1.
void brushStraight(InkLayer& ink, float x0, float x1, float cy, float radius) {
  for (float x = x0; x <= x1; x += kStep) ink.ring(x, cy, radius, kInk);
}

// A filled disc as the brush draws one: rings of radius 1..n twips.
void brushDisc(InkLayer& ink, float cx, float cy, int twips) {
  for (int r = 1; r <= twips; ++r) ink.ring(cx, cy, r * kStep, kInk);
}

// Sum of coverage (in pixels) down column x from row `from` to the bottom.
double inkBelow(const InkLayer& ink, int x, int from) {
  double sum = 0;
  for (int y = from; y < ink.height(); ++y) sum += ink.coverage(x, y) / 255.0;
  return sum;
}

TEST(InkRing, StraightStrokeEdgeIsOneAntialiasedStep) {
  for (float radius : {3.0f, 7.3f, 12.55f}) {
    for (float cy : {30.0f, 30.37f, 30.5f, 30.81f}) {
      SCOPED_TRACE(testing::Message() << "radius " << radius << " centre " << cy);
      InkLayer ink(120, 64);
      brushStraight(ink, 20, 100, cy, radius);
      const int x = 60;
      // Walking down from the centre line: full, then at most two partial
      // values, then nothing.
      int y = static_cast<int>(cy);
      while (ink.coverage(x, y) == 255) ++y;
      int partial = 0;
      while (ink.coverage(x, y) > 0) ++partial, ++y;
      EXPECT_LE(partial, 2);
      for (; y < ink.height(); ++y) EXPECT_EQ(ink.coverage(x, y), 0) << y;
      // The ink below the centre line reaches radius + 0.5, as a single
      // one-pixel outline's would: no growth from the overlapping rings.
      const int centreRow = static_cast<int>(std::floor(cy));
      const double expected = cy + radius + 0.5 - (centreRow + 1);
      EXPECT_NEAR(inkBelow(ink, x, centreRow + 1), expected, 0.1);
    }
  }
}

TEST(InkRing, EdgeCoverageFallsSteadilyAsTheStrokeEdgeMoves) {
  // The same stroke moved up by tenths of a pixel: the coverage of the pixel
  // at its edge steps down evenly, as one antialiased edge would.
  int previous = 256;
  for (int tenth = 0; tenth <= 8; ++tenth) {
    InkLayer ink(80, 40);
    brushStraight(ink, 10, 70, 10.5f - tenth * 0.1f, 5.0f);
    const int c = ink.coverage(40, 15);  // its centre lies on the outermost rings at tenth 0
    EXPECT_LT(c, previous) << tenth;
    if (tenth >= 2) {
      EXPECT_NEAR(previous - c, 29, 3) << tenth;
    }
    previous = c;
  }
}

TEST(InkRing, BrushedStrokesAreSolidInside) {
  InkLayer ink(200, 120);
  // A stroke that curves, with a radius that swells and narrows, as a
  // calligrapher's does; then check every pixel well inside it.
  for (int k = 0; k <= 15 * 120; ++k) {
    float s = k * kStep;
    float cx = 40 + s, cy = 60 + 25 * std::sin(s / 20);
    float radius = 4 + 10 * std::sin(s / 38);
    ink.ring(cx, cy, radius, kInk);
  }
  int checked = 0;
  for (int k = 0; k <= 120; k += 3) {
    float s = static_cast<float>(k);
    float cx = 40 + s, cy = 60 + 25 * std::sin(s / 20);
    float inner = 4 + 10 * std::sin(s / 38) - 1.5f;
    for (int y = 0; y < ink.height(); ++y) {
      for (int x = 0; x < ink.width(); ++x) {
        if (std::hypot(x + 0.5f - cx, y + 0.5f - cy) > inner) continue;
        ASSERT_EQ(ink.coverage(x, y), 255) << x << "," << y;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 1000);
}

TEST(InkRing, FilledDiscsAreSolidAtAnyCentre) {
  for (float offset : {0.0f, 0.25f, 0.5f, 0.73f}) {
    InkLayer ink(40, 40);
    const float cx = 20 + offset, cy = 20 + offset / 2;
    brushDisc(ink, cx, cy, 150);  // 10 px
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x) {
        if (std::hypot(x + 0.5f - cx, y + 0.5f - cy) > 10.0f) continue;
        ASSERT_EQ(ink.coverage(x, y), 255) << x << "," << y;
      }
    }
  }
}

TEST(InkRing, TinyRingsLeaveADot) {
  for (float radius : {0.0f, 0.067f, 0.3f, 0.6f}) {
    for (float offset : {0.5f, 0.0f, 0.31f}) {
      SCOPED_TRACE(testing::Message() << "radius " << radius << " offset " << offset);
      InkLayer ink(10, 10);
      ink.ring(5 + offset, 5 + offset, radius, kInk);
      double total = 0;
      int darkest = 0;
      for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) total += ink.coverage(x, y) / 255.0, darkest = std::max<int>(darkest, ink.coverage(x, y));
      EXPECT_GT(darkest, 60);
      // About the area of a disc of radius + 0.5, and nowhere far off.
      const double area = 3.14159 * (radius + 0.5) * (radius + 0.5);
      EXPECT_NEAR(total, area, 0.35 + 0.3 * area);
      EXPECT_EQ(ink.coverage(2, 2), 0);
      EXPECT_EQ(ink.coverage(8, 8), 0);
    }
  }
}

TEST(InkRing, LargeRingIsAThinOutline) {
  InkLayer ink(100, 100);
  ink.ring(50.5f, 50.5f, 30, kInk);
  EXPECT_EQ(ink.coverage(50, 50), 0);  // the middle stays empty
  EXPECT_EQ(ink.coverage(50, 79), 0);
  EXPECT_EQ(ink.coverage(50, 80), 255);  // its centre lies on the outline
  EXPECT_EQ(ink.coverage(20, 50), 255);
  EXPECT_EQ(ink.coverage(50, 81), 0);
  EXPECT_GT(ink.coverage(71, 71), 0);  // 29.7 from the centre
}

TEST(InkRing, RingsOffTheLayerTouchNothing) {
  InkLayer ink(200, 100);
  ink.takeDirty();
  ink.ring(200 + 6.67f, 3, 0.67f, kInk);     // a pen-lift pause ring
  ink.ring(-5, 50, 3, kInk);                  // left of the layer
  ink.ring(100, 50, 5000, kInk);              // the layer lies inside its hole
  ink.ring(200 + 667.5f, 40, 667.0f, kInk);   // touches the right edge from outside
  ink.ring(100, -3, 1.5f, kInk);
  EXPECT_TRUE(ink.takeDirty().empty());
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(ink.coverage(x, y), 0);
}

TEST(InkRing, RingsPartlyOffTheLayerClip) {
  InkLayer ink(50, 40);
  ink.ring(-10, -10, 20, kInk);
  ink.ring(60, 50, 25, kInk);
  ink.ring(25, 20, 1e7f, kInk);
  ink.ring(-1e7f + 30, 20, 1e7f, kInk);  // a huge ring whose outline crosses the layer
  ink.ring(1e30f, 1e30f, 1e30f, kInk);
  ink.ring(-1e30f, 5, 3e38f, kInk);
  EXPECT_GT(ink.coverage(5, 2), 0);  // 19.9 from the first ring's centre
  PixelRect d = ink.takeDirty();
  EXPECT_GE(d.left, 0);
  EXPECT_GE(d.top, 0);
  EXPECT_LE(d.right, 50);
  EXPECT_LE(d.bottom, 40);
}

TEST(InkRing, RingsAtTheLastPixelsStayInTheLayer) {
  // Groups of eight or sixteen pixels run past the end of the last row; a
  // layer whose width is no multiple of eight shows when they write there.
  for (int width : {1, 5, 13, 37}) {
    InkLayer ink(width, 3);
    for (float r : {0.0f, 0.6f, 3.0f, 9.0f, 40.0f}) {
      ink.ring(width - 0.5f, 2.5f, r, kInk);
      ink.ring(width - 0.5f - r, 2.5f, r, kInk);  // crossing the last row at its last pixel
      ink.ring(width + 0.3f, 3.2f, r, {1, 2, 3});
    }
    PixelRect d = ink.takeDirty();
    EXPECT_LE(d.right, width);
    EXPECT_LE(d.bottom, 3);
    EXPECT_GT(ink.coverage(width - 1, 2), 0);
  }
}

TEST(InkRing, NonFiniteOrNegativeInputDrawsNothing) {
  InkLayer ink(20, 20);
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  ink.ring(nan, 5, 3, kInk);
  ink.ring(5, inf, 3, kInk);
  ink.ring(5, 5, nan, kInk);
  ink.ring(5, 5, inf, kInk);
  ink.ring(-inf, 5, inf, kInk);
  ink.ring(10, 10, -2, kInk);
  EXPECT_TRUE(ink.takeDirty().empty());
}

TEST(InkRing, EmptyLayerTakesRings) {
  InkLayer ink;
  ink.ring(0, 0, 3, kInk);
  InkLayer wide(100, 0);
  wide.ring(5, 0, 3, kInk);
  EXPECT_TRUE(ink.takeDirty().empty());
  EXPECT_TRUE(wide.takeDirty().empty());
}

}  // namespace
}  // namespace sumimai
