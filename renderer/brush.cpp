#include "brush.h"

#include <algorithm>
#include <cmath>

#include "brush_segment.h"

namespace sumimai {
namespace {

constexpr double kMaxSpeed = 100;
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// Speed as a count of pacing rings per step.
int pacingRings(double Speed) {
  if (!(Speed > 0)) return 0;
  return static_cast<int>(std::floor(std::min(Speed, kMaxSpeed)));
}

// 5 off-canvas rings per unit of distance the brush travels in the air from
// the end of the previous record to the start of this one. The brush never
// travels farther than across the canvas: a record placed far off it (a
// Kind 4 record is not fitted to the canvas) pauses no longer than that.
void penLiftPause(Canvas& canvas, const StrokeRecord& record, const StrokeRecord& previous) {
  double dx = static_cast<double>(static_cast<std::int64_t>(record.StartX) - previous.EndX);
  double dy = static_cast<double>(static_cast<std::int64_t>(record.StartY) - previous.EndY);
  const SizeF size = canvas.outerSize();
  const std::int64_t acrossCanvas = brushSteps(size.width, size.height, size) + 1;
  const std::int64_t D = std::min(brushSteps(dx, dy, size), acrossCanvas);
  const float offCanvas = size.width + 100;  // drawing does not change the canvas's size
  for (std::int64_t n = 0; n < D; ++n) {
    for (int m = 1; m <= 5; ++m) canvas.drawRing({{offCanvas, static_cast<float>(m)}, 10, kBlack});
  }
}

}  // namespace

void 空間(DrawingTarget target, double Speed) {
  if (!(Speed > 0)) return;
  const double count = std::floor(100 * std::min(Speed, kMaxSpeed));
  for (double a = 1; a <= count; ++a) {
    for (int n = 0; n < 10; ++n) {
      target.canvas.drawRectangle({-10, -10}, {target.form.width, target.form.height}, kWhite);
    }
  }
}

void 描画(const StrokeTable& table, DrawingTarget target, double Speed, const InkColour& ink,
          BrushState state) {
  描画(table, target, Speed, ink, state, RecordWatch());
}

void 描画(const StrokeTable& table, DrawingTarget target, double Speed, const InkColour& ink,
          BrushState state, const RecordWatch& watch) {
  const Rgb colour = ringColour(ink);
  const int pacing = pacingRings(Speed);
  BrushWalk walk;
  for (int i = 1; i <= kStrokeSlots; ++i) {
    const StrokeRecord& r = table[i];
    if (r.StartX == StrokeTerminator) {
      state.StrokeCount = i;
      return;
    }
    if (watch) watch(i);
    if (r.Kind == kNewStroke && i > 1) penLiftPause(target.canvas, r, table[i - 1]);
    state.CurrentThickness = r.Thickness;
    if (r.Kind == kNewStroke && Speed != 0) 空間(target, Speed);
    auto work = segmentOf(r, table[i - 1], walk, state.CurrentThickness, target.canvas.outerSize());
    if (work) drawBrushSegment(target.canvas, work->segment, work->steps, pacing, colour);
  }
}

}  // namespace sumimai
