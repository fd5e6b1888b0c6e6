#include "renderer/fitting.h"

#include <gtest/gtest.h>

namespace sumimai {
namespace {

StrokeTable crossTable() {
  StrokeTable t{};
  t[1] = {1000, 2000, 3000, 2000, 1, 25};
  t[2] = {2000, 1000, 2000, 4000, 1, 25};
  t[3].StartX = StrokeTerminator;
  return t;
}

TEST(Scaling, CharacterWorkedExample) {
  StrokeTable t = crossTable();
  拡大縮小2(t, {9000, 6000});
  EXPECT_EQ(t[1], (StrokeRecord{1688, 3375, 5062, 3375, 1, 42}));
  EXPECT_EQ(t[2], (StrokeRecord{3375, 1688, 3375, 6750, 1, 42}));
  EXPECT_EQ(t[3], (StrokeRecord{StrokeTerminator, 0, 0, 0, 0, 0}));
  EXPECT_EQ(t[100].StartX, StrokeTerminator);
}

TEST(Scaling, PageWorkedExampleIsUnroundedAndScalesTheGrid) {
  PageStrokeTable t;
  t[1] = {1000, 2000, 3000, 2000, 1, 25};
  t[2] = {2000, 1000, 2000, 4000, 1, 25};
  GridBox grid = kPageGridBox;
  拡大縮小(t, 3, grid, {9000, 6000});
  const double s = 6000.0 / 3025 * 0.9;
  EXPECT_DOUBLE_EQ(t[1].StartX, 1000 * s);
  EXPECT_NEAR(t[1].StartX, 1785.12, 0.01);
  EXPECT_DOUBLE_EQ(t[2].Thickness, 25 * s);
  EXPECT_EQ(t[3].StartX, StrokeTerminator);  // written into slot StrokeCount
  EXPECT_DOUBLE_EQ(grid.GridRight, 14630 * s);
  EXPECT_EQ(grid.GridBottom, 15450);  // 8655 x s = 15450.2, rounded
}

TEST(Scaling, ZeroIsAbsentAndKindFourNeverLowersTheMinimum) {
  StrokeTable t{};
  t[1] = {0, 2000, 3000, 2000, 1, 25};      // StartX 0: not a minimum, stays 0
  t[2] = {10, 10, 5000, 5000, 4, 100};      // Kind 4: raises the max and maxT only
  t[3] = {2000, 1000, 2000, 4000, 1, 25};
  t[4].StartX = StrokeTerminator;
  拡大縮小2(t, {9000, 6000});
  // minX 2000, maxX 5000, minY 1000, maxY 5000, maxT 100:
  // sx = 9000 / 3800, sy = 6000 / 4800 = 1.25, s = 1.125
  EXPECT_EQ(t[1], (StrokeRecord{0, 2250, 3375, 2250, 1, 28}));  // 28.125 -> 28
  EXPECT_EQ(t[2], (StrokeRecord{11, 11, 5625, 5625, 4, 112}));  // 11.25, 112.5 -> 112
}

TEST(Scaling, AFullTableStopsAtTheBackstop) {
  StrokeTable t{};
  for (int i = 1; i <= 100; ++i) t[i] = {100, 100, 200, 200, 1, 10};
  t[100] = {1, 1, 90000, 90000, 1, 10};  // would dominate the box if it took part
  拡大縮小2(t, {9000, 6000});
  EXPECT_EQ(t[100].StartX, StrokeTerminator);
  EXPECT_GT(t[1].EndX, 1000);
}

TEST(Scaling, AnEmptyTableStaysAllZero) {
  StrokeTable t{};
  拡大縮小2(t, {9000, 6000});
  for (int i = 1; i < 100; ++i) EXPECT_EQ(t[i], StrokeRecord{});
  PageStrokeTable page;
  GridBox grid = kPageGridBox;
  拡大縮小(page, 0, grid, {9000, 6000});
  EXPECT_EQ(grid, kPageGridBox);  // no factor: the grid keeps its place
}

TEST(Scaling, ADegenerateBoxNeverDividesByZeroOrOverflows) {
  StrokeTable t{};
  t[1] = {5, 5, 5, 5, 1, 0};  // no extent, no thickness on one axis... and the other
  t[2].StartX = StrokeTerminator;
  拡大縮小2(t, {9000, 6000});  // extent 5 - 5 = 0 on both axes: left as it is
  EXPECT_EQ(t[1], (StrokeRecord{5, 5, 5, 5, 1, 0}));

  StrokeTable huge{};
  huge[1] = {-2000000000, -2000000000, 2000000000, 2000000000, 4, 2000000000};
  huge[2] = {1, 1, 2, 2, 1, 1};
  huge[3].StartX = StrokeTerminator;
  拡大縮小2(huge, {9000, 6000});
  補正2(huge, 3, {9000, 6000});
  EXPECT_EQ(huge[3].StartX, StrokeTerminator);
}

TEST(Correction, CharacterWorkedExample) {
  StrokeTable t{};
  t[1] = {1688, 3375, 5062, 3375, 1, 42};
  t[2] = {3375, 1688, 3375, 6750, 1, 42};
  t[3].StartX = StrokeTerminator;
  補正2(t, 3, {9000, 6000});
  EXPECT_EQ(t[1], (StrokeRecord{2693, 1931, 6067, 1931, 1, 42}));
  EXPECT_EQ(t[2], (StrokeRecord{4380, 244, 4380, 5306, 1, 42}));
}

TEST(Correction, HalvesRoundToEven) {
  StrokeTable t{};
  t[1] = {1688, 3375, 5062, 3375, 1, 42};
  t[2] = {3375, 1688, 3375, 6750, 1, 42};
  t[3].StartX = StrokeTerminator;
  補正2(t, 3, {9001, 6000});  // dx = 1085.5
  EXPECT_EQ(t[1].StartX, 2694);  // 2693.5
  EXPECT_EQ(t[1].EndX, 6068);    // 6067.5
}

TEST(Correction, PageWorkedExampleMovesTheGrid) {
  PageStrokeTable t;
  t[1] = {300, 2800, 14400, 2800, 1, 10};
  t[2] = {7000, 2800, 7000, 8500, 1, 10};
  t[3] = {0, 0, 7000.5, 5000, 2, 10};  // zeros are not shifted
  GridBox grid = kPageGridBox;
  補正(t, 4, grid, {15360, 11520});
  EXPECT_DOUBLE_EQ(t[1].StartX, 510);
  EXPECT_DOUBLE_EQ(t[1].StartY, 2685);
  EXPECT_DOUBLE_EQ(t[3].StartX, 0);
  EXPECT_DOUBLE_EQ(t[3].EndX, 7210.5);
  EXPECT_EQ(t[4].StartX, StrokeTerminator);
  EXPECT_EQ(grid, (GridBox{345, 2600, 14840, 8540}));
}

TEST(Correction, AnEmptyTableGetsItsEndMarkAtStrokeCount) {
  StrokeTable t{};
  補正2(t, 7, {9000, 6000});
  EXPECT_EQ(t[7].StartX, StrokeTerminator);
  for (int i = 1; i < 7; ++i) EXPECT_EQ(t[i], StrokeRecord{});
  StrokeTable unset{};
  補正2(unset, std::nullopt, {9000, 6000});  // an unset count writes into slot 0
  EXPECT_EQ(unset[0].StartX, StrokeTerminator);
}

TEST(Correction, AValueShiftedToZeroCountsAsAbsentAfterwards) {
  StrokeTable t{};
  t[1] = {120, 1000, 4000, 1000, 1, 5};
  t[2].StartX = StrokeTerminator;
  // On a canvas 4120 wide dx = (4120 - 4000 - 120 - 80) / 2 = -40, which
  // brings StartX to 120 - 40 - 80 = 0.
  補正2(t, 2, {4120, 6000});
  EXPECT_EQ(t[1].StartX, 0);
  拡大縮小2(t, {9000, 6000});
  EXPECT_EQ(t[1].StartX, 0);
}

TEST(FittingIntoABox, TheCharacterIsScaledAsTheProgramScalesAndCentredOnTheBox) {
  StrokeTable t = crossTable();
  fitIntoBox(t, 3, {9000, 6000});
  // Scaled as in the worked example of 拡大縮小2, then moved by
  // ((9000 - 5062 - 1688) / 2, (6000 - 6750 - 1688) / 2) = (1125, -1219).
  EXPECT_EQ(t[1], (StrokeRecord{2813, 2156, 6187, 2156, 1, 42}));
  EXPECT_EQ(t[2], (StrokeRecord{4500, 469, 4500, 5531, 1, 42}));
  EXPECT_EQ(t[3].StartX, StrokeTerminator);
  EXPECT_EQ(t[100].StartX, StrokeTerminator);
  // With a margin of its own: the extent alone (3000 high) fills half the
  // box (6000), a factor of 1; then centred.
  StrokeTable half = crossTable();
  fitIntoBox(half, 3, {6000, 6000}, {0.5, 0});
  EXPECT_EQ(half[2], (StrokeRecord{3000, 1500, 3000, 4500, 1, 25}));
}

TEST(FittingIntoABox, NoRecordIsMovedOntoTheEndMark) {
  StrokeTable t{};
  t[1] = {1, 5, 200001, 5, 1, 0};
  t[2] = {100000, 5, 100002, 5, 2, 0};  // moved by -1 its StartX would be 99999
  t[3].StartX = StrokeTerminator;
  fitIntoBox(t, 3, {200000, 10}, {1, 0});
  EXPECT_EQ(t[1], (StrokeRecord{0, 5, 200000, 5, 1, 0}));
  EXPECT_EQ(t[2], (StrokeRecord{100000, 5, 100001, 5, 2, 0}));
  EXPECT_EQ(t[3].StartX, StrokeTerminator);
}

}  // namespace
}  // namespace sumimai
