// A ring as the rasterizer sees it: where it can leave ink, row by row, and
// how much of a pixel it covers at a given distance from its centre.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "coverage_profile.h"
#include "ink_layer.h"
#include "pixel_arithmetic.h"

namespace sumimai::raster {

// The ring as the disc of radius + 0.5 less the hole of radius - 0.5, each
// ramping over a pixel about its edge and capped by the share of a pixel it
// can cover at all (a disc or hole smaller than a pixel covers no more than
// its area). In float: near the outline the coverage is true to a small
// fraction of a pixel for radii and positions up to some 10^5 pixels; beyond
// that it is coarser, yet stays within the ring's reach.
struct RingProfile {
  static constexpr float kPi = 3.14159265f;
  float offset;     // 0.5 - centre x: pixel x's centre lies x + offset right of the centre
  float outerEdge;  // 0.5 + kSlope * (radius + 0.5)
  float holeEdge;   // 0.5 + kSlope * (radius - 0.5)
  float outerCap;   // the most of a pixel the disc covers
  float holeCap;    // the most of a pixel the hole uncovers (0: no hole)
  std::uint32_t rgb;

  RingProfile(float cx, float radius, std::uint32_t colour)
      : offset(0.5f - cx),
        outerEdge(0.5f + kSlope * (radius + 0.5f)),
        holeEdge(0.5f + kSlope * (radius - 0.5f)),
        outerCap(std::min(1.0f, kPi * (radius + 0.5f) * (radius + 0.5f))),
        holeCap(radius > 0.5f ? std::min(1.0f, kPi * (radius - 0.5f) * (radius - 0.5f)) : 0.0f),
        rgb(colour) {}
  // Coverage 0..1 of a pixel whose centre lies d from the ring's centre.
  float coverage(float d) const {
    const float disc = std::min(outerCap, outerEdge - kSlope * d);
    const float cut = std::min(holeCap, std::max(0.0f, holeEdge - kSlope * d));
    return std::max(0.0f, disc - cut);
  }
};

// Where the ring can leave ink: between innerReach and reach from its centre
// (in double, so that huge or far-away rings clip without overflow).
struct RingShape {
  double cx, cy;
  double reach;       // beyond this distance from the centre, no ink
  double innerReach;  // within this distance, no ink (0: none such)
  RingProfile profile;

  RingShape(float x, float y, float radius, std::uint32_t rgb)
      : cx(x), cy(y), reach(static_cast<double>(radius) + kReach), innerReach(0), profile(x, radius, rgb) {
    // With the hole capped below a whole pixel, its middle keeps some ink.
    if (profile.holeCap >= 1.0f) innerReach = radius - static_cast<double>(kReach);
  }
};

// The one or two spans of row y (pixel index ranges) where the ring can
// leave ink, within [left, right); dy2 is the squared distance from the
// row's centre line to the ring's centre.
struct RowSpans {
  IndexRange spans[2];
  float dy2 = 0;
};
inline RowSpans spansOfRow(const RingShape& ring, int y, int left, int right) {
  RowSpans row;
  const double dy = y + 0.5 - ring.cy;
  const double outerSquared = ring.reach * ring.reach - dy * dy;
  if (outerSquared <= 0) return row;
  const double outer = std::sqrt(outerSquared);
  const double innerSquared = ring.innerReach * ring.innerReach - dy * dy;
  if (innerSquared <= 0) {
    row.spans[0] = centresWithin(ring.cx - outer, ring.cx + outer, left, right);
  } else {
    const double inner = std::sqrt(innerSquared);
    row.spans[0] = centresWithin(ring.cx - outer, ring.cx - inner, left, right);
    row.spans[1] = centresWithin(ring.cx + inner, ring.cx + outer, left, right);
  }
  row.dy2 = static_cast<float>(dy * dy);
  return row;
}

// The layer's pixel planes, rows of `stride` pixels. Each plane has at least
// kPlanePadding pixels after its last one, so that the rasterizer may read
// (and write back unchanged) a few pixels beyond a span.
struct PixelPlanes {
  std::uint32_t* top;
  std::uint32_t* below;
  std::size_t stride;
};
constexpr std::size_t kPlanePadding = 16;

// A ring whose box is at most this many pixels wide is covered over its
// whole box, without cutting the rows into spans, several rows to a vector
// where the vector is wide.
constexpr int kSmallRingBox = 16;

// Combines the ring (centre (cx, cy), colour 0xRRGGBB) into the pixels
// within area, which the planes hold; returns the box of pixels it went over
// (empty if none); cx, cy and radius are finite, radius >= 0. Rows are cut
// into the one or two spans where the outline can reach, so that a huge
// ring costs only the pixels near its outline and a ring off the area costs
// no pixel work at all.
//
// Runs the kernel compiled for the best instruction set this processor has
// (Highway's dynamic dispatch; hwy::SetSupportedTargetsForTest narrows the
// choice). Every target gives the coverage of RingProfile::coverage, give
// or take one step of 255: fused and separate multiply-adds round apart,
// and the kernel rounds halves to even where toByte rounds them up.
PixelRect coverRing(float cx, float cy, float radius, std::uint32_t rgb, PixelRect area, PixelPlanes planes);

// The Highway targets the ring kernel was compiled for that this processor
// runs, best first.
std::vector<std::int64_t> ringKernelTargets();

}  // namespace sumimai::raster
