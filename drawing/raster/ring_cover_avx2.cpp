// The ring loop eight pixels at a time (AVX2 and FMA), compiled for those
// instructions alone and called only where the processor has them.
//
// Most rows of a large ring cross its outline twice within a few pixels;
// when both crossings fit in four pixels each, they are covered together in
// one group of eight. The rows' spans are found eight rows at a time.
#include <immintrin.h>

#include "ring_shape.h"

namespace sumimai::raster {

#define SUMIMAI_AVX2 __attribute__((target("avx2,fma")))

namespace {

struct Lanes {
  __m256 slope, outerEdge, holeEdge, outerCap, holeCap, offset;
  __m256i rgb;
};

SUMIMAI_AVX2 inline Lanes lanesOf(const RingProfile& p) {
  return {_mm256_set1_ps(kSlope),     _mm256_set1_ps(p.outerEdge), _mm256_set1_ps(p.holeEdge),
          _mm256_set1_ps(p.outerCap), _mm256_set1_ps(p.holeCap),   _mm256_set1_ps(p.offset),
          _mm256_set1_epi32(static_cast<int>(p.rgb))};
}

// The coverage bytes of eight pixels x (pixel indices) of a row that lies dy2
// (squared) from the ring's centre.
SUMIMAI_AVX2 inline __m256i coverage8(const Lanes& k, __m256i x, __m256 dy2) {
  const __m256 dx = _mm256_add_ps(_mm256_cvtepi32_ps(x), k.offset);
  const __m256 d = _mm256_sqrt_ps(_mm256_fmadd_ps(dx, dx, dy2));
  const __m256 disc = _mm256_min_ps(k.outerCap, _mm256_fnmadd_ps(k.slope, d, k.outerEdge));
  const __m256 hole = _mm256_max_ps(_mm256_setzero_ps(), _mm256_fnmadd_ps(k.slope, d, k.holeEdge));
  const __m256 c = _mm256_max_ps(_mm256_setzero_ps(), _mm256_sub_ps(disc, _mm256_min_ps(k.holeCap, hole)));
  return _mm256_cvttps_epi32(_mm256_fmadd_ps(c, _mm256_set1_ps(255.0f), _mm256_set1_ps(0.5f)));
}

// Combines cover into old (eight pixels) where inUse is set; false, leaving
// old, when another colour lies on top of one of them with new ink for it.
SUMIMAI_AVX2 inline bool combine8(const Lanes& k, __m256i cover, __m256i inUse, __m256i& old) {
  const __m256i oldCover = _mm256_srli_epi32(old, 24);
  // Same colour, or no ink yet: combine by maximum.
  const __m256i same = _mm256_or_si256(
      _mm256_cmpeq_epi32(_mm256_and_si256(old, _mm256_set1_epi32(0xFFFFFF)), k.rgb),
      _mm256_cmpeq_epi32(oldCover, _mm256_setzero_si256()));
  const __m256i other = _mm256_andnot_si256(same, _mm256_cmpgt_epi32(cover, _mm256_setzero_si256()));
  if (!_mm256_testz_si256(other, inUse)) return false;
  const __m256i combined = _mm256_or_si256(_mm256_slli_epi32(_mm256_max_epi32(oldCover, cover), 24), k.rgb);
  // A pixel under another colour that this ring leaves uncovered keeps all it has.
  old = _mm256_blendv_epi8(old, combined, _mm256_and_si256(inUse, same));
  return true;
}

// Pixel by pixel, for groups where colours meet: lane i is pixel x[i].
SUMIMAI_AVX2 void combineEach(std::uint32_t rgb, __m256i cover, __m256i x, __m256i inUse, std::uint32_t* top,
                              std::uint32_t* below) {
  alignas(32) std::int32_t covers[8], xs[8], use[8];
  _mm256_store_si256(reinterpret_cast<__m256i*>(covers), cover);
  _mm256_store_si256(reinterpret_cast<__m256i*>(xs), x);
  _mm256_store_si256(reinterpret_cast<__m256i*>(use), inUse);
  for (int i = 0; i < 8; ++i) {
    if (use[i]) combine(top[xs[i]], below[xs[i]], static_cast<std::uint32_t>(covers[i]), rgb);
  }
}

// Pixels [first, last) of one row, eight at a time; the last group reads
// and writes back unchanged the pixels beyond the span.
SUMIMAI_AVX2 inline void coverSpan(const Lanes& k, std::uint32_t rgb, __m256 dy2, std::uint32_t* top,
                            std::uint32_t* below, int first, int last) {
  const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  for (int x = first; x < last; x += 8) {
    const __m256i index = _mm256_add_epi32(_mm256_set1_epi32(x), lanes);
    const __m256i inUse = _mm256_cmpgt_epi32(_mm256_set1_epi32(last), index);
    const __m256i cover = coverage8(k, index, dy2);
    __m256i* pixels = reinterpret_cast<__m256i*>(top + x);
    __m256i old = _mm256_loadu_si256(pixels);
    if (combine8(k, cover, inUse, old)) {
      _mm256_storeu_si256(pixels, old);
    } else {
      combineEach(rgb, cover, index, inUse, top, below);
    }
  }
}

// Two spans of at most four pixels each, four or more pixels apart, as one
// group: the lower four lanes from a, the upper four from b.
SUMIMAI_AVX2 inline void coverPair(const Lanes& k, std::uint32_t rgb, __m256 dy2, std::uint32_t* top,
                            std::uint32_t* below, IndexRange a, IndexRange b) {
  const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 3, 0, 1, 2, 3);
  const __m256i index = _mm256_add_epi32(_mm256_setr_epi32(a.first, a.first, a.first, a.first, b.first, b.first,
                                                           b.first, b.first), lanes);
  const __m256i ends = _mm256_setr_epi32(a.last, a.last, a.last, a.last, b.last, b.last, b.last, b.last);
  const __m256i inUse = _mm256_cmpgt_epi32(ends, index);
  const __m256i cover = coverage8(k, index, dy2);
  __m128i* low = reinterpret_cast<__m128i*>(top + a.first);
  __m128i* high = reinterpret_cast<__m128i*>(top + b.first);
  __m256i old = _mm256_loadu2_m128i(high, low);
  if (combine8(k, cover, inUse, old)) {
    _mm256_storeu2_m128i(high, low, old);
  } else {
    combineEach(rgb, cover, index, inUse, top, below);
  }
}

SUMIMAI_AVX2 inline void coverRow(const Lanes& k, std::uint32_t rgb, float dy2, std::uint32_t* top,
                           std::uint32_t* below, IndexRange a, IndexRange b) {
  const __m256 dy2s = _mm256_set1_ps(dy2);
  if (!a.empty() && !b.empty() && a.last - a.first <= 4 && b.last - b.first <= 4 && a.first + 4 <= b.first) {
    coverPair(k, rgb, dy2s, top, below, a, b);
    return;
  }
  if (!a.empty()) coverSpan(k, rgb, dy2s, top, below, a.first, a.last);
  if (!b.empty()) coverSpan(k, rgb, dy2s, top, below, b.first, b.last);
}

// The spans of eight rows from y0, in float (the ring is of moderate size
// and position): the pixels whose centres lie within the outline's reach.
struct EightRows {
  alignas(32) std::int32_t aFirst[8], aLast[8], bFirst[8], bLast[8];
  alignas(32) float dy2[8];
};

SUMIMAI_AVX2 inline __m256i firstCentre(__m256 from, __m256i left) {  // the first centre at or after from
  const __m256 f = _mm256_ceil_ps(_mm256_sub_ps(from, _mm256_set1_ps(0.5f)));
  return _mm256_max_epi32(_mm256_cvtps_epi32(f), left);
}
SUMIMAI_AVX2 inline __m256i endCentre(__m256 to, __m256i right) {  // one past the last centre at or before to
  const __m256 f = _mm256_floor_ps(_mm256_sub_ps(to, _mm256_set1_ps(0.5f)));
  return _mm256_min_epi32(_mm256_add_epi32(_mm256_cvtps_epi32(f), _mm256_set1_epi32(1)), right);
}

SUMIMAI_AVX2 inline void spansOfEightRows(const RingShape& ring, int y0, int left, int right, EightRows& out) {
  const __m256 cx = _mm256_set1_ps(static_cast<float>(ring.cx));
  const __m256 y = _mm256_add_ps(_mm256_cvtepi32_ps(_mm256_add_epi32(_mm256_set1_epi32(y0),
                                                                     _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7))),
                                 _mm256_set1_ps(0.5f));
  const __m256 dy = _mm256_sub_ps(y, _mm256_set1_ps(static_cast<float>(ring.cy)));
  const __m256 dy2 = _mm256_mul_ps(dy, dy);
  const float reach = static_cast<float>(ring.reach), inner = static_cast<float>(ring.innerReach);
  const __m256 outerSq = _mm256_sub_ps(_mm256_set1_ps(reach * reach), dy2);
  const __m256 innerSq = _mm256_sub_ps(_mm256_set1_ps(inner * inner), dy2);
  const __m256 outer = _mm256_sqrt_ps(_mm256_max_ps(outerSq, _mm256_setzero_ps()));
  const __m256 hole = _mm256_sqrt_ps(_mm256_max_ps(innerSq, _mm256_setzero_ps()));
  const __m256i l = _mm256_set1_epi32(left), r = _mm256_set1_epi32(right);
  // Rows beyond the reach get empty spans; rows clear of the hole one span.
  const __m256 inReach = _mm256_cmp_ps(outerSq, _mm256_setzero_ps(), _CMP_GT_OQ);
  const __m256 split = _mm256_cmp_ps(innerSq, _mm256_setzero_ps(), _CMP_GT_OQ);
  const __m256 aTo = _mm256_blendv_ps(_mm256_add_ps(cx, outer), _mm256_sub_ps(cx, hole), split);
  __m256i aFirst = firstCentre(_mm256_sub_ps(cx, outer), l), aLast = endCentre(aTo, r);
  __m256i bFirst = firstCentre(_mm256_add_ps(cx, hole), l), bLast = endCentre(_mm256_add_ps(cx, outer), r);
  aLast = _mm256_and_si256(aLast, _mm256_castps_si256(inReach));
  aFirst = _mm256_and_si256(aFirst, _mm256_castps_si256(inReach));
  bLast = _mm256_and_si256(bLast, _mm256_castps_si256(split));
  bFirst = _mm256_and_si256(bFirst, _mm256_castps_si256(split));
  _mm256_store_si256(reinterpret_cast<__m256i*>(out.aFirst), aFirst);
  _mm256_store_si256(reinterpret_cast<__m256i*>(out.aLast), aLast);
  _mm256_store_si256(reinterpret_cast<__m256i*>(out.bFirst), bFirst);
  _mm256_store_si256(reinterpret_cast<__m256i*>(out.bLast), bLast);
  _mm256_store_ps(out.dy2, dy2);
}

// Rings within this reach of a centre within this distance of the origin
// find their spans in float; others in double, row by row.
constexpr double kFloatSpans = 1 << 16;

}  // namespace

SUMIMAI_AVX2 PixelRect coverRingAvx2(const RingShape& ring, IndexRange rows, int left, int right,
                                     PixelPlanes planes) {
  const Lanes k = lanesOf(ring.profile);
  const std::uint32_t rgb = ring.profile.rgb;
  auto rowTop = [&](int y) { return planes.top + y * planes.stride; };
  auto rowBelow = [&](int y) { return planes.below + y * planes.stride; };
  if (right - left <= kSmallRingBox) {  // a small ring: its whole box, row by row
    for (int y = rows.first; y < rows.last; ++y) {
      const float dy = static_cast<float>(y + 0.5 - ring.cy);
      coverSpan(k, rgb, _mm256_set1_ps(dy * dy), rowTop(y), rowBelow(y), left, right);
    }
    return {left, rows.first, right, rows.last};
  }
  PixelRect touched{};
  auto note = [&](IndexRange s, int y) {
    if (!s.empty()) touched = unite(touched, {s.first, y, s.last, y + 1});
  };
  if (ring.reach > kFloatSpans || std::abs(ring.cx) > kFloatSpans || std::abs(ring.cy) > kFloatSpans) {
    for (int y = rows.first; y < rows.last; ++y) {
      const RowSpans row = spansOfRow(ring, y, left, right);
      coverRow(k, rgb, row.dy2, rowTop(y), rowBelow(y), row.spans[0], row.spans[1]);
      note(row.spans[0], y), note(row.spans[1], y);
    }
    return touched;
  }
  EightRows spans;
  for (int y0 = rows.first; y0 < rows.last; y0 += 8) {
    spansOfEightRows(ring, y0, left, right, spans);
    for (int j = 0; j < 8 && y0 + j < rows.last; ++j) {
      const IndexRange a{spans.aFirst[j], spans.aLast[j]}, b{spans.bFirst[j], spans.bLast[j]};
      coverRow(k, rgb, spans.dy2[j], rowTop(y0 + j), rowBelow(y0 + j), a, b);
      note(a, y0 + j), note(b, y0 + j);
    }
  }
  return touched;
}

}  // namespace sumimai::raster
