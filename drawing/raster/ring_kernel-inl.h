// The ring kernel for one instruction set (ring_cover.cpp compiles it once
// per Highway target and picks one at run time).
//
// A small ring is covered over its whole box, several rows to a vector where
// the vector is wide; a large ring span by span (large_ring-inl.h).
#if defined(SUMIMAI_RASTER_RING_KERNEL_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef SUMIMAI_RASTER_RING_KERNEL_INL_H_
#undef SUMIMAI_RASTER_RING_KERNEL_INL_H_
#else
#define SUMIMAI_RASTER_RING_KERNEL_INL_H_
#endif

#include <hwy/highway.h>

#include "large_ring-inl.h"
#include "ring_lanes-inl.h"
#include "ring_shape.h"

HWY_BEFORE_NAMESPACE();
namespace sumimai::raster::HWY_NAMESPACE {

// A small ring's box, R rows to a vector of kLanes / R columns (at least
// as many as the box is wide).
template <std::size_t R>
HWY_INLINE void coverBox(const RingShape& ring, IndexRange rows, int left, int right, PixelPlanes planes) {
  const DF df;
  const DU du;
  const RingProfile& p = ring.profile;
  constexpr std::size_t kWidth = kLanes / R;
  const VU column = hn::And(hn::Iota(du, 0), hn::Set(du, kWidth - 1));
  const VF dx = dxOf(p, column, left), dx2 = hn::Mul(dx, dx);
  constexpr float kRows[4] = {0, 1, 2, 3};
  const VF rowOfLane = parts<R>(df, kRows);
  const MU inColumns = hn::Lt(column, hn::Set(du, static_cast<std::uint32_t>(right - left)));
  alignas(64) std::uint32_t spare[kLanes] = {};  // stands in for rows past the last
  for (int y = rows.first; y < rows.last; y += static_cast<int>(R)) {
    std::uint32_t* at[R];
    for (std::size_t r = 0; r < R; ++r) {
      const int row = y + static_cast<int>(r);
      at[r] = row < rows.last ? planes.top + static_cast<std::size_t>(row) * planes.stride + left : spare;
    }
    const std::size_t inRows = std::min<std::size_t>(R, static_cast<std::size_t>(rows.last - y)) * kWidth;
    const VF dy = hn::Add(rowOfLane, hn::Set(df, static_cast<float>(y + 0.5 - ring.cy)));
    coverGroup<R>(p, hn::MulAdd(dy, dy, dx2), hn::And(inColumns, hn::FirstN(du, inRows)), at, planes);
  }
}

HWY_INLINE void coverSmallRing(const RingShape& ring, IndexRange rows, int left, int right, PixelPlanes planes) {
  const int width = right - left;
  if constexpr (kLanes >= 16) {
    if (width <= 4) return coverBox<4>(ring, rows, left, right, planes);
  }
  if constexpr (kLanes >= 8) {
    if (width <= static_cast<int>(kLanes / 2)) return coverBox<2>(ring, rows, left, right, planes);
  }
  if (width <= static_cast<int>(kLanes)) return coverBox<1>(ring, rows, left, right, planes);
  for (int y = rows.first; y < rows.last; ++y) {
    const float dy = static_cast<float>(y + 0.5 - ring.cy);
    coverSpan(ring.profile, dy * dy, planes.top + static_cast<std::size_t>(y) * planes.stride, left, right, planes);
  }
}

// Whether some point of the box [left, right] x [top, bottom] lies within
// the band between inner and outer from (x, y).
HWY_INLINE bool boxMeetsBand(double x, double y, double left, double top, double right, double bottom,
                             double inner, double outer) {
  const double nx = std::max({left - x, 0.0, x - right}), ny = std::max({top - y, 0.0, y - bottom});
  const double fx = std::max(x - left, right - x), fy = std::max(y - top, bottom - y);
  return nx * nx + ny * ny < outer * outer && fx * fx + fy * fy >= inner * inner;
}

PixelRect CoverRing(float cx, float cy, float radius, std::uint32_t rgb, PixelRect area, PixelPlanes planes) {
  const RingShape ring(cx, cy, radius, rgb);
  const double left = cx - ring.reach, right = cx + ring.reach;
  const double top = cy - ring.reach, bottom = cy + ring.reach;
  const IndexRange rows = centresWithin(top, bottom, area.top, area.bottom);
  const IndexRange cols = centresWithin(left, right, area.left, area.right);
  if (rows.empty() || cols.empty()) return {};
  // A ring cut by the area's edges may miss all the pixel centres left
  // (the pauses' rings, huge rings around the canvas).
  const bool cut = left < area.left || top < area.top || right > area.right || bottom > area.bottom;
  if (cut && !boxMeetsBand(cx, cy, cols.first + 0.5, rows.first + 0.5, cols.last - 0.5, rows.last - 0.5,
                           ring.innerReach, ring.reach))
    return {};
  if (cols.last - cols.first > kSmallRingBox) return coverLargeRing(ring, rows, cols.first, cols.last, planes);
  coverSmallRing(ring, rows, cols.first, cols.last, planes);
  return {cols.first, rows.first, cols.last, rows.last};
}

}  // namespace sumimai::raster::HWY_NAMESPACE
HWY_AFTER_NAMESPACE();

#endif  // SUMIMAI_RASTER_RING_KERNEL_INL_H_
