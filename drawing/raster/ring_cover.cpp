#include "ring_shape.h"

namespace sumimai::raster {

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
void coverSmallRingAvx512(const RingShape& ring, IndexRange rows, int left, int right, PixelPlanes planes);
#endif

bool ringLoopAvailable(RingLoop loop) {
#if defined(SUMIMAI_RASTER_AVX2)
  static const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
  static const bool avx512 = avx2 && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl");
  return loop == RingLoop::Scalar || (loop == RingLoop::Avx2 && avx2) || (loop == RingLoop::Avx512 && avx512);
#else
  return loop == RingLoop::Scalar;
#endif
}

PixelRect coverRing(const RingShape& ring, IndexRange rows, int left, int right, PixelPlanes planes,
                    RingLoop loop) {
#if defined(SUMIMAI_RASTER_AVX2)
  if (loop == RingLoop::Avx512 && right - left <= kSmallRingBox) {
    coverSmallRingAvx512(ring, rows, left, right, planes);
    return {left, rows.first, right, rows.last};
  }
  if (loop != RingLoop::Scalar) return coverRingAvx2(ring, rows, left, right, planes);
#endif
  return coverRingScalar(ring, rows, left, right, planes);
}

PixelRect coverRing(const RingShape& ring, IndexRange rows, int left, int right, PixelPlanes planes) {
  static const RingLoop fastest = ringLoopAvailable(RingLoop::Avx512) ? RingLoop::Avx512
                                  : ringLoopAvailable(RingLoop::Avx2)  ? RingLoop::Avx2
                                                                       : RingLoop::Scalar;
  return coverRing(ring, rows, left, right, planes, fastest);
}

}  // namespace sumimai::raster
