// The canvas over the ink layer: twips to device pixels, sizing the ink,
// charging the clock and the hook after every call.
#include <gtest/gtest.h>

#include "drawing/raster/ink_only_canvas.h"

namespace sumimai {
namespace {

constexpr Rgb kInk{160, 140, 50};

class TestCanvas : public InkOnlyCanvas {
 public:
  using InkOnlyCanvas::InkOnlyCanvas;
  int afterCalls = 0;
  std::uint64_t clockCallsSeen = 0;

 protected:
  void afterDrawingCall() override {
    ++afterCalls;
    clockCallsSeen = clock().calls();
  }
};

TEST(RasterCanvas, InkFollowsTheCanvasSizeInDevicePixels) {
  TestCanvas canvas({}, 1.0 / 15);
  canvas.setSize({28830, 16230});
  EXPECT_EQ(canvas.ink().width(), 1922);
  EXPECT_EQ(canvas.ink().height(), 1082);
  canvas.drawRing({{7500, 7500}, 150, kInk});
  EXPECT_GT(canvas.ink().coverage(500, 510), 0);
  canvas.setSize({1500, 3000});
  EXPECT_EQ(canvas.ink().width(), 100);
  EXPECT_EQ(canvas.ink().height(), 200);
  EXPECT_EQ(canvas.ink().coverage(50, 60), 0);  // cleared by the resize
  canvas.setDevicePixelsPerTwip(2.0 / 15);
  EXPECT_EQ(canvas.ink().width(), 200);
  canvas.setDevicePixelsPerTwip(0);  // ignored
  canvas.setDevicePixelsPerTwip(-1);
  EXPECT_DOUBLE_EQ(canvas.devicePixelsPerTwip(), 2.0 / 15);
  canvas.setSize({-50, 1e30f});
  EXPECT_EQ(canvas.ink().width(), 0);
  EXPECT_LE(canvas.ink().height(), 16384);
}

TEST(RasterCanvas, TwipPositionsNamePixelCentres) {
  TestCanvas canvas({}, 1.0 / 15);
  canvas.setSize({1500, 1500});
  // A ring of radius 0 at twip 150 is a dot on pixel 10.
  canvas.drawRing({{150, 300}, 0, kInk});
  EXPECT_EQ(canvas.ink().coverage(10, 20), 200);  // a disc of radius 0.5 covers 0.785 of it
  EXPECT_EQ(canvas.ink().coverage(11, 20), 0);
  // Rings keep fractional positions and radii: 30 twips radius is 2 pixels.
  canvas.ink().clear();
  canvas.drawRing({{600, 600}, 30, kInk});
  EXPECT_EQ(canvas.ink().coverage(42, 40), 255);
  EXPECT_EQ(canvas.ink().coverage(40, 38), 255);
  EXPECT_EQ(canvas.ink().coverage(40, 40), 0);
}

TEST(RasterCanvas, LinesAndRectanglesLandOnWholePixels) {
  TestCanvas canvas({}, 1.0 / 15);
  canvas.setSize({1500, 1500});
  canvas.drawLine({157, 20}, {157, 700}, kInk);  // 10.47 px: pixel 10
  EXPECT_EQ(canvas.ink().coverage(10, 20), 255);
  EXPECT_EQ(canvas.ink().coverage(11, 20), 0);
  canvas.fillRectangle({0, 0}, {1500, 1500}, kInk);
  EXPECT_EQ(canvas.ink().coverage(0, 0), 255);
  EXPECT_EQ(canvas.ink().coverage(99, 99), 255);
}

TEST(RasterCanvas, PausesDrawNothing) {
  // The window is 30 twips smaller than the canvas, and shows its part.
  TestCanvas canvas({}, 1.0 / 15);
  canvas.setSize({28830, 16230});
  canvas.ink().setDrawableArea({0, 0, 1920, 1080});
  canvas.ink().takeDirty();
  const float w = canvas.outerSize().width;
  for (int i = 1; i <= 200; ++i) canvas.drawRing({{w + 10000, static_cast<float>(i)}, 10000, {0, 0, 0}});
  for (int m = 1; m <= 5; ++m) canvas.drawRing({{w + 100, static_cast<float>(m)}, 10, {0, 0, 0}});
  canvas.drawRectangle({-10, -10}, {28800, 16200}, {255, 255, 255});
  EXPECT_TRUE(canvas.ink().takeDirty().empty());
  EXPECT_EQ(canvas.clock().calls(), 206u);
}

TEST(RasterCanvas, EveryCallIsChargedThenHandedOn) {
  TestCanvas canvas({}, 1.0 / 15);
  canvas.setSize({1500, 1500});
  canvas.clock().setCallCost(std::chrono::microseconds(15));
  canvas.drawRing({{100, 100}, 10, kInk});
  canvas.drawRing({{1e9f, 100}, 10, kInk});  // off the canvas: charged all the same
  canvas.drawLine({0, 0}, {10, 10}, kInk);
  canvas.drawRectangle({0, 0}, {10, 10}, kInk);
  canvas.fillRectangle({0, 0}, {10, 10}, kInk);
  EXPECT_EQ(canvas.clock().calls(), 5u);
  EXPECT_EQ(canvas.clock().charged(), std::chrono::microseconds(75));
  EXPECT_EQ(canvas.afterCalls, 5);
  EXPECT_EQ(canvas.clockCallsSeen, 5u);  // charged before the hook runs
}

}  // namespace
}  // namespace sumimai
