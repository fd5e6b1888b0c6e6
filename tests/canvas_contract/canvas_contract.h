// What every canvas must do, as a typed test suite: instantiate it with a
// probe type (canvas_probes.h) to hold a canvas implementation to it.
//
// The canvas is 3000 x 2000 twips, 200 x 133 device pixels. Position 0 names
// the centre of pixel 0, so twips 15 * i lie on the centre of pixel i.
#pragma once

#include <gtest/gtest.h>

#include <chrono>

#include "canvas_probes.h"

namespace sumimai::testing {

template <typename Probe>
class CanvasContract : public ::testing::Test {
 protected:
  void SetUp() override { canvas().setSize({3000, 2000}); }
  Canvas& canvas() { return probe.canvas(); }
  bool inked(int x, int y) { return probe.shownAt(x, y) != probe.ground(); }
  // Every pixel of a coarse grid over the canvas shows the ground.
  bool blank() {
    for (int y = 0; y < 133; y += 3)
      for (int x = 0; x < 200; x += 3)
        if (inked(x, y)) return false;
    return true;
  }

  static constexpr Rgb kInk{200, 30, 40};
  Probe probe;
};

TYPED_TEST_SUITE_P(CanvasContract);

TYPED_TEST_P(CanvasContract, TakesTheSizeItIsGiven) {
  this->canvas().setSize({4500, 1500});
  EXPECT_EQ(this->canvas().outerSize(), (SizeF{4500, 1500}));
}

// Centre (101, 101) and radius 20.5 in ink units: the outline runs through
// the centres of pixels 121 and 80 on the row, so a canvas that rounded the
// centre or the radius to whole pixels would miss them.
TYPED_TEST_P(CanvasContract, RingsKeepFractionalCentresAndRadii) {
  this->canvas().drawRing({{1507.5f, 1507.5f}, 307.5f, this->kInk});
  EXPECT_EQ(this->probe.shownAt(121, 100), this->kInk);
  EXPECT_EQ(this->probe.shownAt(80, 101), this->kInk);
  EXPECT_EQ(this->probe.shownAt(100, 80), this->kInk);
  EXPECT_FALSE(this->inked(101, 101));  // the middle
  EXPECT_FALSE(this->inked(118, 100));  // inside the outline
  EXPECT_FALSE(this->inked(124, 100));  // outside it
}

TYPED_TEST_P(CanvasContract, ARingBelowOnePixelLeavesADot) {
  this->canvas().drawRing({{1500, 1500}, 5, this->kInk});
  EXPECT_TRUE(this->inked(100, 100));
  EXPECT_FALSE(this->inked(102, 100));
}

TYPED_TEST_P(CanvasContract, RingsAreCutAtTheEdgesAndCostNothingBeyond) {
  this->canvas().drawRing({{0, 1500}, 300, this->kInk});  // half beyond the left edge
  EXPECT_EQ(this->probe.shownAt(20, 100), this->kInk);
  this->canvas().clear();
  this->canvas().drawRing({{3000 + 10000, 10}, 10000, {0, 0, 0}});  // a start-up pause's circle
  this->canvas().drawRing({{1500, 1000}, 1e7f, {0, 0, 0}});          // around the whole canvas
  this->canvas().drawRing({{-1e9f, 5e8f}, 3, {0, 0, 0}});
  EXPECT_TRUE(this->blank());
}

TYPED_TEST_P(CanvasContract, LinesAndRectangleOutlinesInkTheirEdgesOnly) {
  this->canvas().drawLine({150, 1500}, {1350, 1500}, this->kInk);
  EXPECT_EQ(this->probe.shownAt(50, 100), this->kInk);
  EXPECT_FALSE(this->inked(50, 102));
  this->canvas().drawRectangle({150, 150}, {1500, 900}, this->kInk);
  EXPECT_EQ(this->probe.shownAt(10, 30), this->kInk);
  EXPECT_EQ(this->probe.shownAt(60, 60), this->kInk);
  EXPECT_FALSE(this->inked(50, 30));
  // A rectangle from just outside the canvas to beyond it inks nothing on it.
  this->canvas().clear();
  this->canvas().drawRectangle({-10, -10}, {3015, 2015}, {255, 255, 255});
  EXPECT_TRUE(this->blank());
}

TYPED_TEST_P(CanvasContract, FilledRectanglesCoverTheirPixelsAndTheLaterLiesOnTop) {
  this->canvas().fillRectangle({150, 150}, {750, 450}, this->kInk);
  EXPECT_EQ(this->probe.shownAt(10, 10), this->kInk);
  EXPECT_EQ(this->probe.shownAt(49, 29), this->kInk);
  EXPECT_FALSE(this->inked(9, 10));
  EXPECT_FALSE(this->inked(50, 29));
  const Rgb blue{0, 0, 255};
  this->canvas().fillRectangle({600, 300}, {900, 600}, blue);
  EXPECT_EQ(this->probe.shownAt(45, 25), blue);
  EXPECT_EQ(this->probe.shownAt(15, 15), this->kInk);
}

TYPED_TEST_P(CanvasContract, ClearingWipesEveryDrawingAndIsHarmlessTwice) {
  this->canvas().drawRing({{1500, 1000}, 300, this->kInk});
  this->canvas().fillRectangle({0, 0}, {600, 600}, this->kInk);
  this->canvas().clear();
  this->canvas().clear();
  EXPECT_TRUE(this->blank());
  this->canvas().fillRectangle({0, 0}, {600, 600}, this->kInk);
  EXPECT_EQ(this->probe.shownAt(5, 5), this->kInk);
}

TYPED_TEST_P(CanvasContract, EveryDrawingCallIsChargedOnceAndClearingNothing) {
  DrawingClock& clock = this->canvas().clock();
  clock.setCallCost(std::chrono::microseconds(15));
  this->canvas().drawRing({{1e9f, 0}, 10, this->kInk});  // off the canvas: charged all the same
  this->canvas().drawLine({0, 0}, {10, 10}, this->kInk);
  this->canvas().drawRectangle({0, 0}, {10, 10}, this->kInk);
  this->canvas().fillRectangle({0, 0}, {10, 10}, this->kInk);
  this->canvas().clear();
  EXPECT_EQ(clock.calls(), 4u);
  EXPECT_EQ(clock.charged(), std::chrono::microseconds(60));
}

REGISTER_TYPED_TEST_SUITE_P(CanvasContract, TakesTheSizeItIsGiven, RingsKeepFractionalCentresAndRadii,
                            ARingBelowOnePixelLeavesADot, RingsAreCutAtTheEdgesAndCostNothingBeyond,
                            LinesAndRectangleOutlinesInkTheirEdgesOnly,
                            FilledRectanglesCoverTheirPixelsAndTheLaterLiesOnTop,
                            ClearingWipesEveryDrawingAndIsHarmlessTwice,
                            EveryDrawingCallIsChargedOnceAndClearingNothing);

}  // namespace sumimai::testing
