#include <numbers>

#include "ring_shape.h"

namespace sumimai::raster {

RingProfile::RingProfile(float cx, float radius, std::uint32_t colour)
    : offset(0.5f - cx),
      outerEdge(0.5f + kSlope * (radius + 0.5f)),
      holeEdge(0.5f + kSlope * (radius - 0.5f)),
      rgb(colour) {
  constexpr float pi = std::numbers::pi_v<float>;
  const float outer = radius + 0.5f, hole = radius - 0.5f;
  outerCap = std::min(1.0f, pi * outer * outer);
  holeCap = hole > 0 ? std::min(1.0f, pi * hole * hole) : 0.0f;
}

RingShape::RingShape(float x, float y, float radius, std::uint32_t rgb)
    : cx(x), cy(y), reach(static_cast<double>(radius) + kReach), innerReach(0), profile(x, radius, rgb) {
  // With the hole capped below a whole pixel, its middle keeps some ink.
  if (profile.holeCap >= 1.0f) innerReach = std::max(0.0, radius - static_cast<double>(kReach));
}

namespace {

PixelRect coverRingScalar(const RingShape& ring, IndexRange rows, int left, int right, PixelPlanes planes) {
  const RingProfile& p = ring.profile;
  PixelRect touched{};
  for (int y = rows.first; y < rows.last; ++y) {
    const RowSpans row = spansOfRow(ring, y, left, right);
    std::uint32_t* top = planes.top + y * planes.stride;
    std::uint32_t* below = planes.below + y * planes.stride;
    for (const IndexRange& s : row.spans) {
      for (int x = s.first; x < s.last; ++x) {
        const float dx = static_cast<float>(x) + p.offset;
        combine(top[x], below[x], toByte(p.coverage(std::sqrt(dx * dx + row.dy2))), p.rgb);
      }
      if (!s.empty()) touched = unite(touched, {s.first, y, s.last, y + 1});
    }
  }
  return touched;
}

}  // namespace

#if defined(SUMIMAI_RASTER_AVX2)
PixelRect coverRingAvx2(const RingShape& ring, IndexRange rows, int left, int right, PixelPlanes planes);
#endif

PixelRect coverRing(const RingShape& ring, IndexRange rows, int left, int right, PixelPlanes planes) {
#if defined(SUMIMAI_RASTER_AVX2)
  static const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
  if (avx2) return coverRingAvx2(ring, rows, left, right, planes);
#endif
  return coverRingScalar(ring, rows, left, right, planes);
}

}  // namespace sumimai::raster
