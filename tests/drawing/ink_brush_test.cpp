// The ink brush against the round brush on the same strokes: the same calls
// and time, the same pixels for the same seed, dry streaks that a long fast
// stroke shows and a dot does not, and strokes that stay as written.
#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/ink_brush/brush_choice.h"
#include "drawing/ink_brush/wet_spread.h"
#include "drawing/raster/ink_only_canvas.h"
#include "drawing/raster/ring_shape.h"
#include "renderer/brush.h"

namespace sumimai {
namespace {

constexpr int kWidth = 420, kHeight = 200;
constexpr float kTwips = static_cast<float>(kTwipsPerPixel);

// A still record (the brush set down) followed by one moving record.
void addStroke(StrokeTable& table, int& slot, PointF from, PointF to, std::int32_t thickness) {
  auto at = [](float v) { return static_cast<std::int32_t>(std::lround(v * kTwips)); };
  table[slot++] = {at(from.x), at(from.y), at(from.x), at(from.y), 1, thickness};
  table[slot++] = {0, 0, at(to.x), at(to.y), 2, thickness};
}

// A bar 380 pixels long, 32 wide (radius 16), and a dot of radius 12: both
// written without pacing (Speed 0), as fast as the brush goes.
StrokeTable barAndDot() {
  StrokeTable table{};
  int slot = 1;
  addStroke(table, slot, {20, 60}, {400, 60}, static_cast<std::int32_t>(16 * kTwips));
  addStroke(table, slot, {200, 150}, {203, 151}, static_cast<std::int32_t>(12 * kTwips));
  table[slot].StartX = StrokeTerminator;
  return table;
}

struct Drawn {
  std::vector<std::uint8_t> coverage;
  std::uint64_t calls = 0;
  DrawingClock::Duration charged{0};
  std::uint8_t at(int x, int y) const { return coverage[static_cast<std::size_t>(y) * kWidth + x]; }
};

Drawn draw(const StrokeTable& table, std::optional<BrushChoice> brush, double speed = 0) {
  InkOnlyCanvas canvas({kWidth * kTwips, kHeight * kTwips});
  canvas.clock().setCallCost(std::chrono::microseconds(15));
  if (brush) useBrush(canvas, *brush);
  double thickness = 0;
  StrokeCountValue count;
  描画(table, {canvas, canvas.outerSize()}, speed, InkColour{0, 0, 0}, {thickness, count});
  canvas.settleInk();
  Drawn d;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) d.coverage.push_back(canvas.ink().coverage(x, y));
  d.calls = canvas.clock().calls();
  d.charged = canvas.clock().charged();
  return d;
}

const BrushChoice kInk{BrushKind::Ink, 7};

// Mean coverage of each row across a stretch of the bar (x0..x1), over the
// inner rows of its width (the outermost pixels are antialiased).
std::vector<double> rowMeans(const Drawn& d, int x0, int x1, int cy, int halfWidth) {
  std::vector<double> means;
  for (int y = cy - halfWidth; y <= cy + halfWidth; ++y) {
    double sum = 0;
    for (int x = x0; x < x1; ++x) sum += d.at(x, y);
    means.push_back(sum / (x1 - x0));
  }
  return means;
}

TEST(InkBrush, TakesTheSameCallsAndTimeAsTheRoundBrush) {
  for (double speed : {0.0, 3.0}) {
    const Drawn round = draw(barAndDot(), std::nullopt, speed);
    const Drawn ink = draw(barAndDot(), kInk, speed);
    EXPECT_EQ(ink.calls, round.calls) << "Speed " << speed;
    EXPECT_EQ(ink.charged, round.charged) << "Speed " << speed;
  }
}

TEST(InkBrush, TheSameSeedGivesTheSamePixelsAndAnotherSeedOthers) {
  const Drawn a = draw(barAndDot(), kInk), b = draw(barAndDot(), kInk);
  const Drawn c = draw(barAndDot(), BrushChoice{BrushKind::Ink, 8});
  EXPECT_EQ(a.coverage, b.coverage);
  long differing = 0;
  for (std::size_t i = 0; i < a.coverage.size(); ++i) differing += a.coverage[i] != c.coverage[i];
  EXPECT_GT(differing, 500);
}

TEST(InkBrush, ALongFastStrokeRunsIntoDryStreaksAlongItsLength) {
  const Drawn ink = draw(barAndDot(), kInk), round = draw(barAndDot(), std::nullopt);
  // Near the bar's start the brush is loaded: every row dense.
  const std::vector<double> start = rowMeans(ink, 40, 90, 60, 12);
  EXPECT_GT(*std::min_element(start.begin(), start.end()), 0.75 * 255);
  // Its last stretch: some rows (the dry bristles' lanes) carry far less ink
  // than others, while the round brush's rows are all alike.
  const std::vector<double> end = rowMeans(ink, 300, 380, 60, 12);
  const auto [lowest, highest] = std::minmax_element(end.begin(), end.end());
  EXPECT_LT(*lowest, 0.7 * *highest);
  EXPECT_GT(*highest, 0.7 * 255);
  const std::vector<double> flat = rowMeans(round, 300, 380, 60, 12);
  const auto [flatLow, flatHigh] = std::minmax_element(flat.begin(), flat.end());
  EXPECT_GT(*flatLow, 0.97 * *flatHigh);
  // The streaks run along the stroke: pixels 3 apart along it differ less
  // than pixels 3 apart across it.
  double along = 0, across = 0;
  for (int y = 50; y <= 68; ++y)
    for (int x = 300; x < 377; ++x) {
      along += std::abs(ink.at(x, y) - ink.at(x + 3, y));
      across += std::abs(ink.at(x, y) - ink.at(x, y + 3));
    }
  EXPECT_LT(along, 0.7 * across);
}

TEST(InkBrush, ADotStaysSolid) {
  const Drawn ink = draw(barAndDot(), kInk);
  // Within the dot's inner disc (radius 9 of 12) no pixel is left bare and
  // the ink is nearly even.
  int least = 255;
  for (int y = 141; y <= 159; ++y)
    for (int x = 192; x <= 210; ++x)
      if (std::hypot(x + 0.5 - 201.5, y + 0.5 - 150.5) <= 9) least = std::min<int>(least, ink.at(x, y));
  EXPECT_GE(least, 0.8 * 255);
}

TEST(InkBrush, StaysWithinTheRoundBrushsStrokeButForASoftFringe) {
  const Drawn ink = draw(barAndDot(), kInk), round = draw(barAndDot(), std::nullopt);
  long roundInked = 0, inkInked = 0, inkedOutside = 0, fringe = 0;
  for (std::size_t i = 0; i < ink.coverage.size(); ++i) {
    roundInked += round.coverage[i] >= 128;
    inkInked += ink.coverage[i] >= 128;
    inkedOutside += ink.coverage[i] >= 128 && round.coverage[i] == 0;
    fringe += ink.coverage[i] > 0 && round.coverage[i] == 0;
  }
  EXPECT_GT(inkInked, 0.85 * roundInked);
  EXPECT_EQ(inkedOutside, 0);
  EXPECT_GT(fringe, 20);  // the wet ink at the starts and stops
}

// A canvas that keeps drawing the second stroke while the test looks at
// the first.
TEST(InkBrush, AStrokeOnceSettledIsNotChangedByTheNextOne) {
  InkOnlyCanvas canvas({kWidth * kTwips, kHeight * kTwips});
  useBrush(canvas, kInk);
  StrokeTable first{}, second{};
  int slot = 1;
  addStroke(first, slot, {20, 60}, {400, 60}, static_cast<std::int32_t>(16 * kTwips));
  first[slot].StartX = StrokeTerminator;
  slot = 1;
  addStroke(second, slot, {20, 150}, {400, 150}, static_cast<std::int32_t>(16 * kTwips));
  second[slot].StartX = StrokeTerminator;
  double thickness = 0;
  StrokeCountValue count;
  描画(first, {canvas, canvas.outerSize()}, 0, InkColour{0, 0, 0}, {thickness, count});
  // Time passes (lines off the canvas), long enough for the wet ink to settle.
  for (std::uint64_t i = 0; i < WetSpread::kSettleCalls + 10; ++i) canvas.drawLine({-500, -500}, {-400, -500}, {});
  std::vector<std::uint8_t> settled;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < kWidth; ++x) settled.push_back(canvas.ink().coverage(x, y));
  描画(second, {canvas, canvas.outerSize()}, 0, InkColour{0, 0, 0}, {thickness, count});
  canvas.settleInk();
  std::size_t i = 0, changed = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < kWidth; ++x) changed += canvas.ink().coverage(x, y) != settled[i++];
  EXPECT_EQ(changed, 0u);
}

// FNV-1a of the bytes.
std::uint64_t digest(const std::vector<std::uint8_t>& bytes) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  for (std::uint8_t b : bytes) h = (h ^ b) * 0x100000001b3ull;
  return h;
}

TEST(InkBrush, LaysExactlyThePixelsItAlwaysLaid) {
  // Pinned: the vector kernels on every instruction set give the bytes the
  // plain arithmetic gave, fast (dry streaks) and slow (wet spread).
  for (std::int64_t target : raster::ringKernelTargets()) {
    SCOPED_TRACE(hwy::TargetName(target));
    hwy::SetSupportedTargetsForTest(target);
    EXPECT_EQ(digest(draw(barAndDot(), kInk).coverage), 0x562c9ea6fcd00f39ull);
    EXPECT_EQ(digest(draw(barAndDot(), kInk, 3).coverage), 0x165ffba4136abcd0ull);
  }
  hwy::SetSupportedTargetsForTest(0);
}

TEST(BrushChoice, NamesTheToolsUse) {
  EXPECT_EQ(brushKindNamed("round"), BrushKind::Round);
  EXPECT_EQ(brushKindNamed("ink"), BrushKind::Ink);
  EXPECT_EQ(brushKindNamed("Ink"), std::nullopt);
  EXPECT_EQ(brushKindNamed(""), std::nullopt);
  EXPECT_EQ(ringPainterFor({BrushKind::Round, 3}), nullptr);
  for (BrushKind k : {BrushKind::Round, BrushKind::Ink}) EXPECT_EQ(brushKindNamed(brushKindName(k)), k);
}

}  // namespace
}  // namespace sumimai
