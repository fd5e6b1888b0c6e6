#include "renderer/brush.h"

#include <gtest/gtest.h>

#include <cmath>

#include "drawing/recording/recording_canvas.h"

namespace sumimai {
namespace {

constexpr Rgb kInk{10, 20, 30};

class BrushTest : public ::testing::Test {
 protected:
  BrushTest() { table[0] = {}; }

  void draw(double speed) {
    canvas.calls.clear();
    描画(table, {canvas, kForm}, speed, {10, 20, 30}, {thickness, count});
  }

  // The rings drawn on the canvas (pauses left out).
  std::vector<Ring> visibleRings() const {
    std::vector<Ring> out;
    for (const Ring& r : canvas.rings()) {
      if (r.centre.x < canvas.outerSize().width) out.push_back(r);
    }
    return out;
  }

  std::size_t pauseRings() const { return canvas.rings().size() - visibleRings().size(); }

  static constexpr SizeF kForm{9000, 6000};
  RecordingCanvas canvas{{9030, 6030}};
  StrokeTable table{};
  double thickness = -1;
  StrokeCountValue count;
};

Ring ring(double x, double y, double r) {
  return {{static_cast<float>(x), static_cast<float>(y)}, static_cast<float>(r), kInk};
}

TEST_F(BrushTest, WorkedExampleRingByRing) {
  table[1] = {100, 100, 103, 104, 1, 4};
  table[2] = {0, 0, 103, 110, 2, 2};
  table[3].StartX = StrokeTerminator;
  draw(0);
  std::vector<Ring> expected = {ring(100.6, 100.8, 0.8), ring(101.2, 101.6, 1.6), ring(101.8, 102.4, 2.4),
                                ring(102.4, 103.2, 3.2), ring(103, 104, 4)};
  for (int r = 1; r <= 4; ++r) expected.push_back(ring(103, 104, r));  // start disc of slot 2
  for (int k = 1; k <= 6; ++k) expected.push_back(ring(103, 104 + k, 4 + k * (-1.0 / 3)));
  EXPECT_EQ(canvas.rings(), expected);
  EXPECT_EQ(canvas.calls.size(), expected.size());
  EXPECT_EQ(count, 3);
  EXPECT_EQ(thickness, 2);
  EXPECT_EQ(expected.back(), ring(103, 110, 2));
}

TEST_F(BrushTest, SpeedThreeAddsTheStrokeStartPauseAndPacingRings) {
  table[1] = {100, 100, 103, 104, 1, 4};
  table[2] = {0, 0, 103, 110, 2, 2};
  table[3].StartX = StrokeTerminator;
  draw(3);
  EXPECT_EQ(canvas.rectangleCount, 3000u);
  const auto* first = std::get_if<RectangleCall>(&canvas.calls.front());
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(*first, (RectangleCall{{-10, -10}, {9000, 6000}, {255, 255, 255}, false}));
  std::vector<Ring> rings = canvas.rings();
  ASSERT_EQ(rings.size(), 15u + 11 * 3);
  // After the first footprint ring come the three pacing rings at its centre.
  EXPECT_EQ(rings[0], ring(100.6, 100.8, 0.8));
  EXPECT_EQ(rings[1], ring(100.6, 100.8, 1));
  EXPECT_EQ(rings[3], ring(100.6, 100.8, 3));
}

TEST_F(BrushTest, PenLiftPausesFiveRingsPerUnitOfDistance) {
  table[1] = {100, 100, 103, 104, 1, 4};
  table[2] = {0, 0, 103, 110, 2, 2};
  table[3] = {106, 114, 110, 114, 1, 2};
  table[4].StartX = StrokeTerminator;
  draw(0);
  EXPECT_EQ(pauseRings(), 25u);
  std::vector<Ring> rings = canvas.rings();
  Ring pause = rings[15];
  EXPECT_EQ(pause, (Ring{{9130, 1}, 10, {0, 0, 0}}));
  EXPECT_EQ(rings[19], (Ring{{9130, 5}, 10, {0, 0, 0}}));
}

TEST_F(BrushTest, TheTerminatorInSlotOneDrawsNothing) {
  table[1].StartX = StrokeTerminator;
  table[2] = {1, 1, 50, 50, 1, 5};
  draw(3);
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_EQ(count, 1);
}

TEST_F(BrushTest, WithoutATerminatorAllHundredSlotsAreDrawnAndTheCountStays) {
  for (int i = 1; i <= 100; ++i) table[i] = {10, 10 * i, 13, 10 * i + 4, -1, 2};
  count = 42;
  draw(0);
  EXPECT_EQ(count, 42);
  // Each record: 5 steps, start disc of radius 2 from the record before
  // (slot 0 gives none); negative kinds take no pauses.
  EXPECT_EQ(canvas.rings().size(), 100u * 5 + 99u * 2);
}

TEST_F(BrushTest, KindTwoFirstStartsAtTheOrigin) {
  table[1] = {500, 500, 3, 4, 2, 5};
  table[2].StartX = StrokeTerminator;
  draw(0);
  std::vector<Ring> rings = visibleRings();
  ASSERT_EQ(rings.size(), 5u);
  EXPECT_EQ(rings[0], ring(0.6, 0.8, 1));
}

TEST_F(BrushTest, AZeroLengthRecordDrawsNothingButFeedsTheNext) {
  table[1] = {200, 200, 200, 200, 1, 30};  // no length: nothing drawn
  table[2] = {0, 0, 203, 204, 2, 30};      // starts at its end, from thickness 30
  table[3].StartX = StrokeTerminator;
  draw(0);
  std::vector<Ring> rings = canvas.rings();
  ASSERT_EQ(rings.size(), 30u + 5);
  EXPECT_EQ(rings[0], ring(200, 200, 1));
  EXPECT_EQ(rings[29], ring(200, 200, 30));
  EXPECT_EQ(rings[30], ring(200.6, 200.8, 30));
}

TEST_F(BrushTest, KindFourIsSkippedButItsEndPointBoundsThePenLift) {
  table[1] = {100, 100, 103, 104, 1, 4};
  table[2] = {0, 0, 500, 500, 4, 9};   // not drawn, no pause
  table[3] = {0, 0, 103, 110, 2, 2};   // continues from (103, 104), from thickness 9
  table[4] = {0, 0, 500, 500, 4, 3};   // the pen lift below starts here
  table[5] = {503, 504, 510, 504, 1, 2};  // pen lift from (500, 500): D = 5
  table[6].StartX = StrokeTerminator;
  draw(0);
  std::vector<Ring> rings = canvas.rings();
  EXPECT_EQ(rings[5], ring(103, 104, 1));   // slot 3's start disc, radii 1..9
  EXPECT_EQ(rings[13], ring(103, 104, 9));
  EXPECT_EQ(pauseRings(), 25u);
  EXPECT_EQ(thickness, 2);
}

TEST_F(BrushTest, KindsZeroThreeAndUpDrawNothingNegativeKindsDrawFromTheirStart) {
  table[1] = {10, 10, 13, 14, 0, 4};
  table[2] = {10, 10, 13, 14, 3, 4};
  table[3] = {50, 50, 53, 54, -7, 4};
  table[4].StartX = StrokeTerminator;
  draw(5);
  EXPECT_EQ(canvas.rectangleCount, 0u);
  std::vector<Ring> rings = canvas.rings();
  ASSERT_EQ(rings.size(), 4u + 5 * 6);  // disc of 4, 5 steps with 5 pacing rings
  EXPECT_EQ(rings[0], ring(50, 50, 1));
}

TEST_F(BrushTest, ThicknessZeroIsRaisedToOneButTheNextStartsFromZero) {
  table[1] = {10, 10, 13, 14, 1, 0};
  table[2] = {0, 0, 13, 20, 2, 3};
  table[3].StartX = StrokeTerminator;
  draw(0);
  std::vector<Ring> rings = canvas.rings();
  ASSERT_EQ(rings.size(), 5u + 6);  // no start disc for slot 2: slot 1 holds 0
  EXPECT_EQ(rings[4], ring(13, 14, 1));
  EXPECT_EQ(rings[5], ring(13, 15, 0.5));
}

TEST_F(BrushTest, FractionalAndNegativeSpeedsNeverLoopWithoutEnd) {
  table[1] = {10, 10, 13, 14, 1, 2};
  table[2].StartX = StrokeTerminator;
  draw(2.5);  // whole part: 2 pacing rings; 250 pause rounds
  EXPECT_EQ(canvas.rectangleCount, 2500u);
  EXPECT_EQ(canvas.rings().size(), 5u * 3);
  canvas.rectangleCount = 0;
  draw(-4);
  EXPECT_EQ(canvas.rectangleCount, 0u);
  EXPECT_EQ(canvas.rings().size(), 5u);
  draw(NAN);
  EXPECT_EQ(canvas.rings().size(), 5u);
  canvas.rectangleCount = 0;
  draw(1e300);  // held to 100
  EXPECT_EQ(canvas.rectangleCount, 100000u);
  EXPECT_EQ(canvas.rings().size(), 5u * 101);
}

TEST_F(BrushTest, HugeValuesFinishWithinTheCanvasStepLimit) {
  table[1] = {-2000000000, -2000000000, 2000000000, 2000000000, 1, 2000000000};
  table[2] = {2000000000, -2000000000, -2000000000, 2000000000, 1, 5};
  table[3].StartX = StrokeTerminator;
  canvas.keepCalls = false;
  draw(0);
  EXPECT_LT(canvas.ringCount, 1000000u);
  EXPECT_EQ(count, 3);
}

TEST_F(BrushTest, APenLiftFromFarOffTheCanvasPausesNoLongerThanAcrossIt) {
  table[1] = {0, 0, -2000000000, -2000000000, 4, 3};  // never fitted to the canvas
  table[2] = {100, 100, 103, 104, 1, 4};
  table[3].StartX = StrokeTerminator;
  draw(0);
  // The canvas is 9030 x 6030 twips: Int(10858.4...) + 1 units at most.
  EXPECT_EQ(pauseRings(), 5u * 10859);
}

TEST_F(BrushTest, ColourComponentsAreRoundedAndHeldToTheRange) {
  table[1] = {10, 10, 13, 14, 1, 2};
  table[2].StartX = StrokeTerminator;
  描画(table, {canvas, kForm}, 0, {12.5, 256, -3}, {thickness, count});
  EXPECT_EQ(canvas.rings().front().colour, (Rgb{12, 255, 0}));
}

TEST(StrokeStartPause, DrawsAThousandRectanglesPerSpeed) {
  RecordingCanvas canvas;
  空間({canvas, {1500, 900}}, 2);
  EXPECT_EQ(canvas.rectangleCount, 2000u);
  EXPECT_EQ(std::get<RectangleCall>(canvas.calls.back()),
            (RectangleCall{{-10, -10}, {1500, 900}, {255, 255, 255}, false}));
}

}  // namespace
}  // namespace sumimai
