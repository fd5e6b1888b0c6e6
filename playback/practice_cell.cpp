#include "practice_cell.h"

#include <algorithm>
#include <limits>

#include "renderer/brush_segment.h"
#include "renderer/drawing_sequence.h"
#include "renderer/window_canvas.h"

namespace sumimai {
namespace {

// Stroke files hold ten file units per source unit.
constexpr double kFileUnitsPerSourceUnit = 10;

// The extremes of one axis: the least and the greatest coordinate before
// fitting, with what they became.
struct AxisSpan {
  double least = std::numeric_limits<double>::max(), most = std::numeric_limits<double>::lowest();
  double leastFitted = 0, mostFitted = 0;
  void take(double before, double after) {
    if (before == 0) return;  // an absent value
    if (before < least) least = before, leastFitted = after;
    if (before > most) most = before, mostFitted = after;
  }
  bool spread() const { return most > least; }
};

AxisFit fitOf(const AxisSpan& span, double scale, double pixelsPerTwip) {
  const double perSource = scale * kFileUnitsPerSourceUnit;
  // pixels = (source * 10 * scale + offsetTwips) * pixelsPerTwip
  const bool seen = span.least <= span.most;
  const double offsetTwips = seen ? span.leastFitted - span.least * scale : 0;
  return {perSource * pixelsPerTwip, offsetTwips * pixelsPerTwip};
}

}  // namespace

CellFit::CellFit(const CharacterStrokes& strokes, PictureSize cell, Framing framing, double pixelsPerTwip) {
  StrokeTable table = strokes.table;
  fitForWindow(table, strokes.count, twipsOf(cell), framing);
  AxisSpan xs, ys;
  double radii = 0;
  int drawn = 0;
  const std::size_t n = std::min(table.size(), strokes.table.size());
  for (std::size_t i = 0; i < n; ++i) {
    const StrokeRecord &before = strokes.table[i], &after = table[i];
    if (before.Kind >= kBeyondTheMinimum || before.Kind == 0) continue;
    xs.take(before.StartX, after.StartX), xs.take(before.EndX, after.EndX);
    ys.take(before.StartY, after.StartY), ys.take(before.EndY, after.EndY);
    if (isDrawnKind(before.Kind) && after.Thickness > 0) {
      widest_ = std::max(widest_, static_cast<double>(after.Thickness));
      radii += after.Thickness, ++drawn;
    }
  }
  if (drawn > 0) mean_ = radii / drawn;
  // Twips per file unit along each axis; an axis with no spread (a single
  // upright line) takes the other's.
  const double sx = xs.spread() ? (xs.mostFitted - xs.leastFitted) / (xs.most - xs.least) : 0;
  const double sy = ys.spread() ? (ys.mostFitted - ys.leastFitted) / (ys.most - ys.least) : 0;
  x_ = fitOf(xs, sx != 0 ? sx : sy, pixelsPerTwip);
  y_ = fitOf(ys, sy != 0 ? sy : sx, pixelsPerTwip);
}

PointF CellFit::toSource(PointF pixel) const {
  auto back = [](const AxisFit& a, float p) { return a.scale != 0 ? (p - a.offset) / a.scale : 0.0; };
  return {static_cast<float>(back(x_, pixel.x)), static_cast<float>(back(y_, pixel.y))};
}

PointF CellFit::toPixel(PointF source) const {
  return {static_cast<float>(source.x * x_.scale + x_.offset), static_cast<float>(source.y * y_.scale + y_.offset)};
}

}  // namespace sumimai
