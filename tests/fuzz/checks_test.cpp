// The fuzz checks have teeth: each rule flags a planted fault, and the call
// bounds are exact for drawings that lie on the canvas.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "checks/call_bounds.h"
#include "checks/checked_canvas.h"
#include "checks/table_rules.h"
#include "renderer/brush.h"
#include "renderer/page_drawing.h"

namespace sumimai::fuzz {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

Problems reported(CheckedCanvas& canvas) {
  Problems problems;
  canvas.report(problems);
  return problems;
}

TEST(CheckedCanvas, FlagsEveryCallWithABadValueAndCountsAll) {
  CheckedCanvas canvas({9000, 6000});
  canvas.drawRing({{1, 2}, 3, {0, 0, 0}});
  canvas.drawLine({0, 0}, {5, 5}, {255, 255, 255});
  EXPECT_TRUE(reported(canvas).empty());
  canvas.drawRing({{1, 2}, kNaN, {0, 0, 0}});
  canvas.drawLine({0, 0}, {kInfinity, 5}, {1, 2, 3});
  canvas.drawRectangle({-kInfinity, 0}, {1, 1}, {1, 2, 3});
  canvas.drawRing({{1, 2}, 3, {256, 0, 0}});
  EXPECT_EQ(canvas.badCalls(), 4u);
  EXPECT_EQ(canvas.drawingCalls(), 6u);
  ASSERT_EQ(reported(canvas).size(), 1u);
  EXPECT_NE(canvas.firstBadCall().find("radius nan"), std::string::npos) << canvas.firstBadCall();
}

// Slot 1 from (100, 100) to (103, 104), Kind 1, thickness 4; slot 2 a Kind 2
// record to (103, 110), thickness 2; then the end mark.
StrokeTable twoRecords() {
  StrokeTable t{};
  t[1] = {100, 100, 103, 104, 1, 4};
  t[2] = {0, 0, 103, 110, 2, 2};
  t[3].StartX = StrokeTerminator;
  return t;
}

std::uint64_t callsOf(const StrokeTable& table, double Speed) {
  CheckedCanvas canvas({9000, 6000});
  double thickness = 0;
  StrokeCountValue count;
  描画(table, {canvas, {8970, 5970}}, Speed, {0, 0, 0}, {thickness, count});
  return canvas.drawingCalls();
}

TEST(CallBounds, AreTheDrawingCostOfATableOnTheCanvas) {
  StrokeTable t = twoRecords();
  // Speed 0: 5 + 6 footprint rings and the start disc 1..4 of slot 2.
  EXPECT_EQ(brushCallBound(t, 0, {9000, 6000}), 15u);
  EXPECT_EQ(callsOf(t, 0), 15u);
  // Speed 3: 3000 pause rectangles and 3 pacing rings at each of 11 steps more.
  EXPECT_EQ(brushCallBound(t, 3, {9000, 6000}), 15u + 3000 + 33);
  EXPECT_EQ(callsOf(t, 3), 15u + 3000 + 33);
  // A third stroke 5 units away from slot 2's end costs 25 pause rings first.
  t[3] = {106, 114, 106, 120, 1, 2};
  t[4].StartX = StrokeTerminator;
  EXPECT_EQ(brushCallBound(t, 0, {9000, 6000}), 15u + 25 + 2 + 6);
  EXPECT_EQ(callsOf(t, 0), 15u + 25 + 2 + 6);
}

TEST(CallBounds, HoldEverySegmentToTheStepLimit) {
  StrokeTable t{};
  t[1] = {1, 1, 2000000000, 1, 1, 2000000000};
  t[2] = {-2000000000, 1, 1, 1, 1, 5};
  t[3].StartX = StrokeTerminator;
  const double limit = 4.0 * (9000 + 6000) + 1000;
  EXPECT_EQ(brushCallBound(t, 0, {9000, 6000}), static_cast<std::uint64_t>(limit * (1 + 5 + 1 + 1)));
  EXPECT_LE(callsOf(t, 0), brushCallBound(t, 0, {9000, 6000}));
}

TEST(CallBounds, OfThePageCountNoStepForASegmentShorterThanOneUnit) {
  PageStrokeTable page;
  page[1] = {0, 0, 0.5, 3.2, 1, 3.7};  // 3 steps, from thickness 0
  page[2] = {0, 0, 0.5, 3.9, 2, 2};    // 0.7 long: nothing
  page[3] = {10, 10, 10, 14, 1, 1};    // start disc 1..2 (slot 2's thickness) and 4 steps
  page[4].StartX = StrokeTerminator;
  EXPECT_EQ(pageCallBound(page, {9000, 6000}), 3u + 2 + 4);
  CheckedCanvas canvas({9000, 6000});
  InkColour ink;
  double thickness = 0;
  StrokeCountValue count;
  描画2(page, canvas, {}, ink, {thickness, count});
  EXPECT_EQ(canvas.drawingCalls(), 3u + 2 + 4);
}

TEST(TableRules, FlagALoadedTableThatBreaksTheLoadersRules) {
  StrokeTable t{};
  t[1] = {1, 2, 3, 4, 1, 5};
  t[2].StartX = StrokeTerminator;
  StrokeCountValue count = 2;
  auto problemsOf = [&](const StrokeFileRead& read) {
    Problems problems;
    checkLoadedTable<StrokeTable, StrokeRecord>(t, count, read, kStrokeSlots, problems);
    return problems;
  };
  EXPECT_TRUE(problemsOf({}).empty());
  t[7].Kind = 1;  // left over after the end mark
  EXPECT_EQ(problemsOf({}).size(), 1u);
  t[7] = {};
  t[1].Thickness = 0;
  EXPECT_EQ(problemsOf({}).size(), 1u);
  t[1].Thickness = 5;
  count = 101;
  EXPECT_EQ(problemsOf({}).size(), 1u);
  count = 2;
  EXPECT_EQ(problemsOf({StrokeFileStatus::Damaged, 2, "\xE8"}).size(), 1u);  // a reason cut inside a character
}

TEST(TableRules, FlagFittingThatChangesAKindOrAnAbsentField) {
  PageStrokeRecord before{0, 5, 6, 7, 1, 3};
  Problems problems;
  checkFittedRecord(before, PageStrokeRecord{0, 10, 12, 14, 1, 6}, true, problems);
  EXPECT_TRUE(problems.empty());
  checkFittedRecord(before, PageStrokeRecord{1, 10, 12, 14, 1, 6}, true, problems);
  checkFittedRecord(before, PageStrokeRecord{0, 10, 12, 14, 2, 6}, true, problems);
  checkFittedRecord(before, PageStrokeRecord{0, 10, 12, 14, 1, 6}, false, problems);
  EXPECT_EQ(problems.size(), 3u);
}

}  // namespace
}  // namespace sumimai::fuzz
