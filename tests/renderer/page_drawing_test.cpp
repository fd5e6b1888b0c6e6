#include "renderer/page_drawing.h"

#include <gtest/gtest.h>

#include <cmath>

#include "renderer/clearing.h"
#include "drawing/recording/recording_canvas.h"

namespace sumimai {
namespace {

class PageDrawingTest : public ::testing::Test {
 protected:

  void draw() { 描画2(table, canvas, settings, ink, {thickness, count}); }

  RecordingCanvas canvas{{15390, 11550}};
  PageStrokeTable table;
  DrawSettings settings{7, 12.5, 256, 3};
  InkColour ink{160, 140, 50};
  double thickness = -1;
  StrokeCountValue count;
};

TEST_F(PageDrawingTest, TheTerminatorInSlotOneStillSetsTheInk) {
  table[1].StartX = StrokeTerminator;
  draw();
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_EQ(count, 1);
  EXPECT_EQ(ink.red, 12.5);
  EXPECT_EQ(ink.green, 256);
}

TEST_F(PageDrawingTest, FractionalCoordinatesAreUsedAsTheyAre) {
  table[1] = {0, 0, 0.5, 3.2, -1, 3.7};
  table[2] = {10, 10, 10, 14, 1, 2};
  table[3].StartX = StrokeTerminator;
  draw();
  std::vector<Ring> rings = canvas.rings();
  // Slot 1: L = 3 steps of (0.5/3, 3.2/3) from radius 0 to 3.7.
  ASSERT_EQ(rings.size(), 3u + 3 + 4);
  EXPECT_EQ(rings[0].centre.x, static_cast<float>(0.5 / 3));
  EXPECT_EQ(rings[2].centre.y, static_cast<float>(3.2));
  EXPECT_EQ(rings[2].radius, static_cast<float>(3.7));
  EXPECT_EQ(rings[0].colour, (Rgb{12, 255, 3}));
  // Slot 2: the start disc of a fractional thickness 3.7 has radii 1, 2, 3.
  EXPECT_EQ(rings[3].radius, 1);
  EXPECT_EQ(rings[5].radius, 3);
  EXPECT_EQ(rings[6].radius, static_cast<float>(3.7 + (2 - 3.7) / 4));
  EXPECT_EQ(count, 3);
  EXPECT_EQ(thickness, 2);
}

TEST_F(PageDrawingTest, ASegmentShorterThanOneUnitDrawsNothing) {
  table[1] = {10, 10, 10.5, 10.5, 1, 0};
  table[2].StartX = StrokeTerminator;
  draw();
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_EQ(thickness, 1);  // raised before the steps are counted
}

TEST_F(PageDrawingTest, NoPausesAndNoPacingWhateverTheSpeed) {
  table[1] = {10, 10, 13, 14, 1, 2};
  table[2] = {100, 100, 103, 104, 1, 2};
  table[3].StartX = StrokeTerminator;
  settings.Speed = 0;
  draw();
  std::size_t atZero = canvas.calls.size();
  canvas.calls.clear();
  settings.Speed = 10;
  draw();
  EXPECT_EQ(canvas.calls.size(), atZero);
  EXPECT_EQ(canvas.rectangleCount, 0u);
  EXPECT_EQ(atZero, 5u + 2 + 5);
}

TEST(PageGrid, TwentyEightColumnsTenRowsAndTheBox) {
  RecordingCanvas canvas;
  drawPageGrid(canvas, kPageGridBox);
  ASSERT_EQ(canvas.calls.size(), 39u);
  LineCall first = std::get<LineCall>(canvas.calls[0]);
  EXPECT_EQ(first, (LineCall{{static_cast<float>(135 + 14495.0 / 28), 2715},
                             {static_cast<float>(135 + 14495.0 / 28), 8655},
                             {200, 200, 0}}));
  EXPECT_EQ(std::get<LineCall>(canvas.calls[27]).from.x, 14630);
  EXPECT_EQ(std::get<LineCall>(canvas.calls[28]), (LineCall{{135, 2715 + 594}, {14630, 2715 + 594}, {200, 200, 0}}));
  EXPECT_EQ(std::get<RectangleCall>(canvas.calls[38]),
            (RectangleCall{{135, 2715}, {14630, 8655}, {250, 250, 0}, false}));
}

TEST(StartUpPause, TwentyThousandCirclesJustRightOfTheCanvas) {
  RecordingCanvas canvas{{28830, 16230}};
  startUpPause(canvas);
  std::vector<Ring> rings = canvas.rings();
  ASSERT_EQ(rings.size(), 20000u);
  EXPECT_EQ(rings.front(), (Ring{{38830, 1}, 10000, {0, 0, 0}}));
  EXPECT_EQ(rings.back().centre.y, 20000);
}

TEST(Clearing, WipesTheCanvasAndIsHarmlessTwice) {
  RecordingCanvas canvas;
  クリア(canvas);
  クリア(canvas);
  EXPECT_EQ(canvas.calls, (std::vector<CanvasCall>{ClearCall{}, ClearCall{}}));
  EXPECT_EQ(canvas.clock().calls(), 0u);
}

}  // namespace
}  // namespace sumimai
