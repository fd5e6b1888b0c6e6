// Rings: circle outlines one pixel wide, antialiased, at fractional centres
// and radii. Each row of the ring's box is cut down to the one or two spans
// where the outline can reach, so that a huge ring costs only the pixels near
// its outline and a ring off the drawable area costs no pixel work at all.
#include <cmath>
#include <numbers>

#include "coverage_profile.h"
#include "ink_layer.h"
#include "pixel_arithmetic.h"

namespace sumimai {

using raster::centresWithin;
using raster::IndexRange;
using raster::kReach;

// The ring as the disc of radius radius + 0.5 less the hole of radius
// radius - 0.5. Near the centre of a small ring the straight-edge coverage
// of a disc overstates it: a disc (or hole) can cover no more of a pixel
// than its own area, so each is capped by that.
struct InkLayer::RingShape {
  float cx, cy, radius;
  float outer, hole;        // radius + 0.5 and radius - 0.5
  float outerCap, holeCap;  // the most of one pixel the disc and the hole can cover
  double reach;             // beyond this distance from the centre, no ink
  double innerReach;        // within this distance, no ink (0: none such)
  std::uint32_t rgb;

  RingShape(float x, float y, float r, std::uint32_t colour)
      : cx(x), cy(y), radius(r), outer(r + 0.5f), hole(r - 0.5f), rgb(colour) {
    constexpr float pi = std::numbers::pi_v<float>;
    outerCap = std::min(1.0f, pi * outer * outer);
    holeCap = hole > 0 ? std::min(1.0f, pi * hole * hole) : 0.0f;
    reach = static_cast<double>(r) + kReach;
    // With the hole capped below a whole pixel, its middle keeps some ink.
    innerReach = holeCap >= 1.0f ? std::max(0.0, static_cast<double>(r) - kReach) : 0.0;
  }

  float coverage(float d) const {
    float disc = std::min(outerCap, raster::edgeCoverage(outer - d));
    float cut = std::min(holeCap, raster::edgeCoverage(hole - d));
    return std::clamp(disc - cut, 0.0f, 1.0f);
  }
};

namespace {

// The distances from (x, y) to the nearest and the farthest point of the
// box [left, right] x [top, bottom].
struct DistanceRange {
  double nearest, farthest;
};
DistanceRange distancesToBox(double x, double y, double left, double top, double right, double bottom) {
  double nx = std::max({left - x, 0.0, x - right}), ny = std::max({top - y, 0.0, y - bottom});
  double fx = std::max(x - left, right - x), fy = std::max(y - top, bottom - y);
  return {std::hypot(nx, ny), std::hypot(fx, fy)};
}

}  // namespace

void InkLayer::ring(float cx, float cy, float radius, Rgb colour) {
  if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(radius) || radius < 0) return;
  const PixelRect area = drawableArea();
  const RingShape shape(cx, cy, radius, raster::packRgb(colour));
  IndexRange rows = centresWithin(cy - shape.reach, cy + shape.reach, area.top, area.bottom);
  IndexRange cols = centresWithin(cx - shape.reach, cx + shape.reach, area.left, area.right);
  if (rows.empty() || cols.empty()) return;
  // Pixel centres of the clipped box: the ring misses them all when they lie
  // wholly outside its reach or wholly inside its hole.
  DistanceRange span = distancesToBox(cx, cy, cols.first + 0.5, rows.first + 0.5, cols.last - 0.5,
                                      rows.last - 0.5);
  if (span.nearest >= shape.reach || span.farthest < shape.innerReach) return;
  PixelRect touched{};
  for (int y = rows.first; y < rows.last; ++y) ringRow(shape, y, area, touched);
  markDirty(touched);
}

void InkLayer::ringRow(const RingShape& ring, int y, PixelRect area, PixelRect& touched) {
  const double dy = y + 0.5 - static_cast<double>(ring.cy);
  const double outerSquared = ring.reach * ring.reach - dy * dy;
  if (outerSquared <= 0) return;
  const double outer = std::sqrt(outerSquared);
  const double innerSquared = ring.innerReach * ring.innerReach - dy * dy;
  const double inner = innerSquared > 0 ? std::sqrt(innerSquared) : -1.0;
  const double cx = ring.cx;
  IndexRange spans[2];
  if (inner < 0) {
    spans[0] = centresWithin(cx - outer, cx + outer, area.left, area.right);
  } else {
    spans[0] = centresWithin(cx - outer, cx - inner, area.left, area.right);
    spans[1] = centresWithin(cx + inner, cx + outer, area.left, area.right);
  }
  for (const IndexRange& s : spans) {
    if (s.empty()) continue;
    ringSpan(ring, y, s.first, s.last);
    touched = raster::unite(touched, {s.first, y, s.last, y + 1});
  }
}

void InkLayer::ringSpan(const RingShape& ring, int y, int first, int last) {
  const float dy = static_cast<float>(y) + 0.5f - ring.cy;
  const float dy2 = dy * dy;
  const float offset = 0.5f - ring.cx;
  std::uint32_t* top = top_.data() + static_cast<std::size_t>(y) * width_;
  for (int x = first; x < last; ++x) {
    const float dx = static_cast<float>(x) + offset;
    const float c = ring.coverage(std::sqrt(dx * dx + dy2));
    plot(static_cast<std::size_t>(top + x - top_.data()), raster::toByte(c), ring.rgb);
  }
}

}  // namespace sumimai
