// The learner's pen: a mouse writes wide when slow and thin when fast, a
// tablet by its pressure; the width follows smoothly and stays within the
// brush's widths; the ink lies along the pointer's path.
#include <gtest/gtest.h>

#include "drawing/raster/ink_only_canvas.h"
#include "playback/learner_pen.h"

namespace sumimai {
namespace {

constexpr PenWidths kWidths{30, 150};
constexpr double kCell = 600;

// The radius after readings `pixelsEach` apart every 16 ms.
double radiusAfter(PenWidth& width, double pixelsEach, int readings, double& x, double& ms) {
  double radius = 0;
  for (int i = 0; i < readings; ++i) radius = width.follow({{static_cast<float>(x += pixelsEach), 100}, ms += 16});
  return radius;
}

TEST(LearnerPen, SlowIsWideFastIsThinAndTheWidthFollowsSmoothly) {
  EXPECT_DOUBLE_EQ(radiusAtSpeed(0, kWidths), 150);
  EXPECT_GT(radiusAtSpeed(0.2, kWidths), radiusAtSpeed(1, kWidths));
  EXPECT_GT(radiusAtSpeed(1, kWidths), radiusAtSpeed(5, kWidths));
  EXPECT_NEAR(radiusAtSpeed(100, kWidths), 30, 0.01);

  PenWidth width(kWidths, kCell);
  double x = 0, ms = 0;
  EXPECT_DOUBLE_EQ(width.follow({{0, 100}, 0}), 150);  // a stroke sets off wide
  const double slow = radiusAfter(width, 0.5, 30, x, ms);  // 0.05 cells a second
  EXPECT_GT(slow, 140);
  // A sudden rush thins the stroke over a few readings, not at once.
  const double first = radiusAfter(width, 60, 1, x, ms);
  EXPECT_LT(first, slow);
  EXPECT_GT(first, (slow + 30) / 2);
  const double fast = radiusAfter(width, 60, 20, x, ms);  // 6 cells a second
  EXPECT_LT(fast, 40);
  EXPECT_GE(fast, 30);
  // Readings of the same millisecond do not read as an endless speed.
  const double sameTime = width.follow({{static_cast<float>(x + 1), 100}, ms});
  EXPECT_GE(sameTime, 30);
}

TEST(LearnerPen, PressureSetsTheWidth) {
  EXPECT_DOUBLE_EQ(radiusAtPressure(1, kWidths), 150);
  EXPECT_DOUBLE_EQ(radiusAtPressure(0, kWidths), 30);
  EXPECT_DOUBLE_EQ(radiusAtPressure(2, kWidths), 150);
  PenWidth width(kWidths, kCell);
  EXPECT_DOUBLE_EQ(width.follow({{0, 0}, 0, 0.5}), 90);
  double r = 0;
  for (int i = 1; i <= 30; ++i) r = width.follow({{static_cast<float>(i * 40), 0}, i * 16.0, 1.0});
  EXPECT_NEAR(r, 150, 1);  // fast, but pressed hard: wide
}

TEST(LearnerPen, InkLiesAlongThePathAndNowhereElse) {
  const double pixelsPerTwip = 1.0 / 15;
  InkOnlyCanvas canvas({9000, 9000}, pixelsPerTwip);
  LearnerStroke stroke(canvas, {15, 75}, kCell, pixelsPerTwip, {0, 0, 0});
  for (int i = 0; i <= 40; ++i) stroke.add({{100.0f + i * 10, 300}, i * 40.0});
  stroke.add({{500.2f, 300}, 41 * 40.0});  // not a twip further on
  EXPECT_EQ(stroke.path().size(), 42u);
  for (int x = 100; x <= 500; x += 25) EXPECT_GT(canvas.ink().coverage(x, 300), 200) << x;
  EXPECT_EQ(canvas.ink().coverage(300, 320), 0);  // beyond the widest radius (5 pixels)
  EXPECT_EQ(canvas.ink().coverage(90, 300), 0);
}

}  // namespace
}  // namespace sumimai
