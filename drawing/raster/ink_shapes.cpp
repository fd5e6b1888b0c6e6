// Lines, rectangle outlines and filled rectangles of the ink layer.
#include <cmath>
#include <numbers>

#include "coverage_profile.h"
#include "ink_layer.h"
#include "pixel_arithmetic.h"

namespace sumimai {

using raster::centresWithin;
using raster::edgeCoverage;
using raster::IndexRange;
using raster::kReach;

namespace {

bool finite(float a, float b, float c, float d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// How much of the pixel span [i, i + 1) lies within [lo, hi].
float overlap(int i, double lo, double hi) {
  return static_cast<float>(std::clamp(std::min(hi, i + 1.0) - std::max(lo, static_cast<double>(i)), 0.0, 1.0));
}

// The columns of a row whose pixel centres lie within kReach of the line's
// centre line: across(x) = |c - uy * (x + 0.5 - x1)| with c = py * ux. Only
// these can take ink, so a long line costs its own pixels, not its box.
IndexRange lineSpan(double x1, double c, double ux, double uy, IndexRange cols) {
  if (std::fabs(uy) < 1e-12) return std::fabs(c) < kReach ? cols : IndexRange{};
  const double t1 = (c - kReach) / uy, t2 = (c + kReach) / uy;
  return centresWithin(x1 + std::min(t1, t2), x1 + std::max(t1, t2), cols.first, cols.last);
}

}  // namespace

void InkLayer::line(float x1, float y1, float x2, float y2, Rgb colour) {
  if (!finite(x1, y1, x2, y2)) return;
  const PixelRect area = drawableArea();
  const double reach = kReach * std::numbers::sqrt2;  // the square end's corner
  IndexRange rows = centresWithin(std::min(y1, y2) - reach, std::max(y1, y2) + reach, area.top, area.bottom);
  IndexRange cols = centresWithin(std::min(x1, x2) - reach, std::max(x1, x2) + reach, area.left, area.right);
  if (rows.empty() || cols.empty()) return;
  // Along the line (ux, uy), across it (-uy, ux); a point is a line of
  // length 0 in any direction.
  const double dx = x2 - x1, dy = y2 - y1, length = std::hypot(dx, dy);
  const double ux = length > 0 ? dx / length : 1.0, uy = length > 0 ? dy / length : 0.0;
  const std::uint32_t rgb = raster::packRgb(colour);
  useColour(rgb);
  PixelRect touched{};
  for (int y = rows.first; y < rows.last; ++y) {
    const IndexRange span = lineSpan(x1, (y + 0.5 - y1) * ux, ux, uy, cols);
    for (int x = span.first; x < span.last; ++x) {
      const double px = x + 0.5 - x1, py = y + 0.5 - y1;
      const double along = px * ux + py * uy, across = std::fabs(px * -uy + py * ux);
      const float endInside = static_cast<float>(0.5 + std::min(along, length - along));
      const float c = edgeCoverage(static_cast<float>(0.5 - across)) * edgeCoverage(endInside);
      const unsigned cover = raster::toByte(c);
      if (cover == 0) continue;
      plot(static_cast<std::size_t>(y) * width_ + x, cover, rgb);
      touched = raster::unite(touched, {x, y, x + 1, y + 1});
    }
  }
  markDirty(touched);
}

void InkLayer::rectangleOutline(float x1, float y1, float x2, float y2, Rgb colour) {
  if (!finite(x1, y1, x2, y2)) return;
  line(x1, y1, x2, y1, colour);
  line(x2, y1, x2, y2, colour);
  line(x2, y2, x1, y2, colour);
  line(x1, y2, x1, y1, colour);
}

void InkLayer::fillRectangle(float x1, float y1, float x2, float y2, Rgb colour) {
  if (!finite(x1, y1, x2, y2)) return;
  const double left = std::min(x1, x2), right = std::max(x1, x2);
  const double top = std::min(y1, y2), bottom = std::max(y1, y2);
  const PixelRect area = drawableArea();
  IndexRange rows = raster::pixelsOverlapping(top, bottom, area.top, area.bottom);
  IndexRange cols = raster::pixelsOverlapping(left, right, area.left, area.right);
  if (rows.empty() || cols.empty()) return;
  const std::uint32_t rgb = raster::packRgb(colour);
  useColour(rgb);
  for (int y = rows.first; y < rows.last; ++y) {
    const float vertical = overlap(y, top, bottom);
    for (int x = cols.first; x < cols.last; ++x) {
      plot(static_cast<std::size_t>(y) * width_ + x, raster::toByte(vertical * overlap(x, left, right)), rgb);
    }
  }
  markDirty({cols.first, rows.first, cols.last, rows.last});
}

}  // namespace sumimai
