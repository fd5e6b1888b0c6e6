// A table whose one absurd value makes the fitting shrink every other record
// to nothing is found out, and the record named.
#include "renderer/drawability.h"

#include <gtest/gtest.h>

#include <limits>


namespace sumimai {
namespace {

constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
constexpr SizeF kCanvas{9030, 6030};

// A character of three strokes, as a converter writes one.
StrokeTable threeStrokes() {
  StrokeTable t{};
  t[1] = {1000, 2000, 1000, 2000, 1, 30};
  t[2] = {0, 0, 3000, 2000, 2, 25};
  t[3] = {2000, 1000, 2000, 4000, 1, 25};
  t[4] = {1500, 3000, 2600, 3100, 1, 20};
  t[5].StartX = StrokeTerminator;
  return t;
}

TEST(Drawability, AnOrdinaryCharacterIsVisible) {
  EXPECT_TRUE(drawabilityOf(threeStrokes(), 5, kCanvas).visible);
}

TEST(Drawability, OneAbsurdCoordinateOrThicknessIsNamed) {
  StrokeTable t = threeStrokes();
  t[3].EndX = kLargest;
  Drawability d = drawabilityOf(t, 5, kCanvas);
  EXPECT_FALSE(d.visible);
  EXPECT_EQ(d.record, 3);
  EXPECT_EQ(d.value, kLargest);
  EXPECT_EQ(d.problem(),
            "記録 3 の値 2147483647 が大きすぎるため、ほかの記録が小さくなりすぎて、この大きさでは描けません。");
  t = threeStrokes();
  t[4].Thickness = kLargest;
  d = drawabilityOf(t, 5, kCanvas);
  EXPECT_FALSE(d.visible);
  EXPECT_EQ(d.record, 4);
  // Far out of proportion, but not so far that the others vanish: still drawn.
  t = threeStrokes();
  t[2].EndX = 300000;
  EXPECT_TRUE(drawabilityOf(t, 5, kCanvas).visible);
}

TEST(Drawability, NothingToDrawIsNotThisFault) {
  StrokeTable empty{};
  EXPECT_TRUE(drawabilityOf(empty, std::nullopt, kCanvas).visible);
  StrokeTable notDrawn{};
  notDrawn[1] = {kLargest, 5, kLargest, 5, 4, kLargest};
  notDrawn[2].StartX = StrokeTerminator;
  EXPECT_TRUE(drawabilityOf(notDrawn, 2, kCanvas).visible);
}

TEST(Drawability, APageWithOneAbsurdRecordIsNamed) {
  PageStrokeTable page;
  page[1] = {300, 2800, 300, 3000, 1, 20};
  page[2] = {14400, 8500, 14400, 8400, 1, 20};
  page[3].StartX = StrokeTerminator;
  EXPECT_TRUE(drawabilityOf(page, 3, {15390, 11550}).visible);
  page[2].StartY = -2147483648.0;
  Drawability d = drawabilityOf(page, 3, {15390, 11550});
  EXPECT_FALSE(d.visible);
  EXPECT_EQ(d.record, 2);
}

}  // namespace
}  // namespace sumimai
