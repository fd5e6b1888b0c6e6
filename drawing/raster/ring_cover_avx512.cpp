// Small rings sixteen pixels at a time (AVX-512): a ring whose box is at
// most W pixels wide is covered 16 / W rows at a time, so that even a dot of
// a ring fills most of a group. Called only where the processor has AVX-512.
#include <immintrin.h>

// GCC 12 warns of an uninitialized value inside its own AVX-512 headers
// (the undefined vectors that masked intrinsics start from).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include "ring_shape.h"

namespace sumimai::raster {

#define SUMIMAI_AVX512 __attribute__((target("avx512f,avx512vl,avx2,fma")))

namespace {

// The pixels of one group: W columns from left in each of 16 / W rows.
template <int W>
struct Group {
  static constexpr int kRows = 16 / W;
  SUMIMAI_AVX512 static __m512i column() {
    alignas(64) std::int32_t c[16];
    for (int i = 0; i < 16; ++i) c[i] = i % W;
    return _mm512_load_si512(c);
  }
  SUMIMAI_AVX512 static __m512 row() {
    alignas(64) float r[16];
    for (int i = 0; i < 16; ++i) r[i] = static_cast<float>(i / W);
    return _mm512_load_ps(r);
  }
  // The lanes of row r of the group within mask.
  static __mmask16 rowLanes(int r, __mmask16 mask) {
    const unsigned bits = W == 16 ? 0xFFFFu : ((1u << W) - 1) << (r * W);
    return static_cast<__mmask16>(mask & bits);
  }
  SUMIMAI_AVX512 static __m512i load(std::uint32_t* const* rows, __mmask16 mask) {
    if constexpr (W == 16) {
      return _mm512_maskz_loadu_epi32(mask, rows[0]);
    } else if constexpr (W == 8) {
      const __m256i low = _mm256_maskz_loadu_epi32(static_cast<__mmask8>(mask), rows[0]);
      const __m256i high = _mm256_maskz_loadu_epi32(static_cast<__mmask8>(mask >> 8), rows[1]);
      return _mm512_inserti64x4(_mm512_castsi256_si512(low), high, 1);
    } else {
      __m512i v = _mm512_castsi128_si512(_mm_maskz_loadu_epi32(static_cast<__mmask8>(mask & 0xF), rows[0]));
      v = _mm512_inserti32x4(v, _mm_maskz_loadu_epi32(static_cast<__mmask8>(mask >> 4 & 0xF), rows[1]), 1);
      v = _mm512_inserti32x4(v, _mm_maskz_loadu_epi32(static_cast<__mmask8>(mask >> 8 & 0xF), rows[2]), 2);
      return _mm512_inserti32x4(v, _mm_maskz_loadu_epi32(static_cast<__mmask8>(mask >> 12 & 0xF), rows[3]), 3);
    }
  }
  SUMIMAI_AVX512 static void store(std::uint32_t* const* rows, __mmask16 mask, __m512i v) {
    if constexpr (W == 16) {
      _mm512_mask_storeu_epi32(rows[0], mask, v);
    } else if constexpr (W == 8) {
      _mm256_mask_storeu_epi32(rows[0], static_cast<__mmask8>(mask), _mm512_castsi512_si256(v));
      _mm256_mask_storeu_epi32(rows[1], static_cast<__mmask8>(mask >> 8), _mm512_extracti64x4_epi64(v, 1));
    } else {
      _mm_mask_storeu_epi32(rows[0], static_cast<__mmask8>(mask & 0xF), _mm512_castsi512_si128(v));
      _mm_mask_storeu_epi32(rows[1], static_cast<__mmask8>(mask >> 4 & 0xF), _mm512_extracti32x4_epi32(v, 1));
      _mm_mask_storeu_epi32(rows[2], static_cast<__mmask8>(mask >> 8 & 0xF), _mm512_extracti32x4_epi32(v, 2));
      _mm_mask_storeu_epi32(rows[3], static_cast<__mmask8>(mask >> 12 & 0xF), _mm512_extracti32x4_epi32(v, 3));
    }
  }
};

template <int W>
SUMIMAI_AVX512 void coverSmall(const RingShape& ring, IndexRange rows, int left, int right, PixelPlanes planes) {
  using G = Group<W>;
  const RingProfile& p = ring.profile;
  const __m512 slope = _mm512_set1_ps(kSlope), zero = _mm512_setzero_ps();
  const __m512i rgb = _mm512_set1_epi32(static_cast<int>(p.rgb));
  // Across a group the columns stay; dx^2 is worked out once.
  const __m512i column = G::column();
  const __m512 dx = _mm512_add_ps(_mm512_cvtepi32_ps(_mm512_add_epi32(column, _mm512_set1_epi32(left))),
                                  _mm512_set1_ps(p.offset));
  const __m512 dx2 = _mm512_mul_ps(dx, dx);
  const __mmask16 inColumns = _mm512_cmplt_epi32_mask(column, _mm512_set1_epi32(right - left));
  const __m512 rowOffset = G::row();
  for (int y = rows.first; y < rows.last; y += G::kRows) {
    std::uint32_t* tops[G::kRows];
    __mmask16 use = inColumns;
    for (int r = 0; r < G::kRows; ++r) {
      const bool inside = y + r < rows.last;
      tops[r] = planes.top + static_cast<std::size_t>(inside ? y + r : y) * planes.stride + left;
      if (!inside) use = static_cast<__mmask16>(use & ~G::rowLanes(r, 0xFFFF));
    }
    const __m512 dy = _mm512_add_ps(rowOffset, _mm512_set1_ps(static_cast<float>(y + 0.5 - ring.cy)));
    const __m512 d = _mm512_sqrt_ps(_mm512_fmadd_ps(dy, dy, dx2));
    const __m512 disc = _mm512_min_ps(_mm512_set1_ps(p.outerCap), _mm512_fnmadd_ps(slope, d, _mm512_set1_ps(p.outerEdge)));
    const __m512 hole = _mm512_max_ps(zero, _mm512_fnmadd_ps(slope, d, _mm512_set1_ps(p.holeEdge)));
    const __m512 c = _mm512_max_ps(zero, _mm512_sub_ps(disc, _mm512_min_ps(_mm512_set1_ps(p.holeCap), hole)));
    const __m512i cover = _mm512_cvttps_epi32(_mm512_fmadd_ps(c, _mm512_set1_ps(255.0f), _mm512_set1_ps(0.5f)));
    const __m512i old = G::load(tops, use);
    const __m512i oldCover = _mm512_srli_epi32(old, 24);
    const __mmask16 same = _mm512_cmpeq_epi32_mask(_mm512_and_si512(old, _mm512_set1_epi32(0xFFFFFF)), rgb) |
                           _mm512_cmpeq_epi32_mask(oldCover, _mm512_setzero_si512());
    const __mmask16 inked = _mm512_mask_cmpgt_epi32_mask(use, cover, _mm512_setzero_si512());
    if (inked & ~same) {
      // Another colour lies on top somewhere here: pixel by pixel.
      alignas(64) std::int32_t covers[16];
      _mm512_store_si512(covers, cover);
      for (int i = 0; i < 16; ++i) {
        if (!(inked >> i & 1)) continue;
        const std::size_t at = static_cast<std::size_t>(y + i / W) * planes.stride + left + i % W;
        combine(planes.top[at], planes.below[at], static_cast<std::uint32_t>(covers[i]), p.rgb);
      }
      continue;
    }
    G::store(tops, inked, _mm512_or_si512(_mm512_slli_epi32(_mm512_max_epi32(oldCover, cover), 24), rgb));
  }
}

}  // namespace

SUMIMAI_AVX512 void coverSmallRingAvx512(const RingShape& ring, IndexRange rows, int left, int right,
                                         PixelPlanes planes) {
  const int width = right - left;
  if (width <= 4) {
    coverSmall<4>(ring, rows, left, right, planes);
  } else if (width <= 8) {
    coverSmall<8>(ring, rows, left, right, planes);
  } else {
    coverSmall<16>(ring, rows, left, right, planes);
  }
}

}  // namespace sumimai::raster
