// Rings: circle outlines one pixel wide, antialiased, at fractional centres
// and radii. Each row of the ring's box is cut down to the one or two spans
// where the outline can reach, so that a huge ring costs only the pixels near
// its outline and a ring off the drawable area costs no pixel work at all.
#include <algorithm>
#include <cmath>

#include "ink_layer.h"
#include "ring_shape.h"

namespace sumimai {

using raster::centresWithin;
using raster::IndexRange;

namespace {

// Whether some point of the box [left, right] x [top, bottom] lies within
// the band between inner and outer from (x, y).
bool boxMeetsBand(double x, double y, double left, double top, double right, double bottom, double inner,
                  double outer) {
  const double nx = std::max({left - x, 0.0, x - right}), ny = std::max({top - y, 0.0, y - bottom});
  const double fx = std::max(x - left, right - x), fy = std::max(y - top, bottom - y);
  return nx * nx + ny * ny < outer * outer && fx * fx + fy * fy >= inner * inner;
}

}  // namespace

void InkLayer::ring(float cx, float cy, float radius, Rgb colour) {
  if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(radius) || radius < 0) return;
  const raster::RingShape shape(cx, cy, radius, raster::packRgb(colour));
  const double left = cx - shape.reach, right = cx + shape.reach;
  const double top = cy - shape.reach, bottom = cy + shape.reach;
  const PixelRect area = area_;
  const IndexRange rows = centresWithin(top, bottom, area.top, area.bottom);
  const IndexRange cols = centresWithin(left, right, area.left, area.right);
  if (rows.empty() || cols.empty()) return;
  // A ring cut by the area's edges may miss all the pixel centres left
  // (the pauses' rings, huge rings around the canvas).
  const bool cut = left < area.left || top < area.top || right > area.right || bottom > area.bottom;
  if (cut && !boxMeetsBand(cx, cy, cols.first + 0.5, rows.first + 0.5, cols.last - 0.5, rows.last - 0.5,
                           shape.innerReach, shape.reach))
    return;
  markDirty(raster::coverRing(shape, rows, cols.first, cols.last,
                              {top_.data(), below_.data(), static_cast<std::size_t>(width_)}));
}

}  // namespace sumimai
