// The ring kernel's work on one vector of pixels, for each instruction set
// that ring_cover.cpp is compiled for (Highway includes this once per
// target, hence the guard that toggles instead of a #pragma once).
//
// A group is one vector cut into R equal parts, each part a run of
// consecutive pixels of one row: a span of a ring (R = 1), the short spans
// of one or two rows of a large ring (R = 2 or 4), or R rows of a small
// ring's box. A run may reach past its pixels in use; those it reads and
// writes back as they were (the planes' padding keeps the last row's runs
// inside them).
#if defined(SUMIMAI_RASTER_RING_LANES_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef SUMIMAI_RASTER_RING_LANES_INL_H_
#undef SUMIMAI_RASTER_RING_LANES_INL_H_
#else
#define SUMIMAI_RASTER_RING_LANES_INL_H_
#endif

#include <hwy/highway.h>

#include "ring_shape.h"

HWY_BEFORE_NAMESPACE();
namespace sumimai::raster::HWY_NAMESPACE {

namespace hn = hwy::HWY_NAMESPACE;

// At most 16 lanes, so that a vector never runs past the planes' padding.
using DF = hn::CappedTag<float, kPlanePadding>;
using DU = hn::RebindToUnsigned<DF>;
using DI = hn::RebindToSigned<DF>;
using VF = hn::Vec<DF>;
using VU = hn::Vec<DU>;
using MU = hn::Mask<DU>;
constexpr std::size_t kLanes = hn::MaxLanes(DF());

// Lane i holds values[i / (lanes of d / R)].
template <std::size_t R, class D, typename T>
HWY_INLINE hn::Vec<D> parts(D d, const T* values) {
  if constexpr (R == 1) {
    return hn::Set(d, values[0]);
  } else {
#if HWY_TARGET != HWY_SCALAR  // one lane has no halves
    const hn::Half<D> dh;
    return hn::Combine(d, parts<R / 2>(dh, values + R / 2), parts<R / 2>(dh, values));
#endif
  }
}

// The pixels of the R parts that start at at[0], at[1], ...
template <std::size_t R, class D>
HWY_INLINE hn::Vec<D> loadParts(D d, std::uint32_t* const* at) {
  if constexpr (R == 1) {
    return hn::LoadU(d, at[0]);
  } else {
#if HWY_TARGET != HWY_SCALAR
    const hn::Half<D> dh;
    return hn::Combine(d, loadParts<R / 2>(dh, at + R / 2), loadParts<R / 2>(dh, at));
#endif
  }
}

// Stores the parts in ascending order: where a narrow layer makes the run
// of one part reach into the next part's row, the next part's pixels are
// stored last and win.
template <std::size_t R, class D>
HWY_INLINE void storeParts(D d, hn::Vec<D> v, std::uint32_t* const* at) {
  if constexpr (R == 1) {
    hn::StoreU(v, d, at[0]);
  } else {
#if HWY_TARGET != HWY_SCALAR
    const hn::Half<D> dh;
    storeParts<R / 2>(dh, hn::LowerHalf(dh, v), at);
    storeParts<R / 2>(dh, hn::UpperHalf(dh, v), at + R / 2);
#endif
  }
}

// The coverage bytes of pixels whose centres lie sqrt(d2) from the ring's
// centre, as RingProfile::coverage gives them.
HWY_INLINE VU coverageBytes(const RingProfile& p, VF d2) {
  const DF df;
  const VF slope = hn::Set(df, kSlope), zero = hn::Zero(df);
  const VF d = hn::Sqrt(d2);
  const VF disc = hn::Min(hn::Set(df, p.outerCap), hn::NegMulAdd(slope, d, hn::Set(df, p.outerEdge)));
  const VF cut = hn::Min(hn::Set(df, p.holeCap), hn::Max(zero, hn::NegMulAdd(slope, d, hn::Set(df, p.holeEdge))));
  const VF c = hn::Max(zero, hn::Sub(disc, cut));
  // 2^23 + c * 255 in float holds c * 255 rounded (half to even) in its low
  // bits: cheaper than a conversion, and a step off toByte at most.
  const VF biased = hn::MulAdd(c, hn::Set(df, 255.0f), hn::Set(df, 8388608.0f));
  return hn::And(hn::BitCast(DU(), biased), hn::Set(DU(), 0xFFu));
}

// Pixel by pixel, where ink meets another colour on top.
template <std::size_t R>
HWY_NOINLINE void combineEach(std::uint32_t rgb, VU cover, MU inked, std::uint32_t* const* at,
                              PixelPlanes planes) {
  const DU du;
  const std::size_t lanes = hn::Lanes(du), width = lanes / R;
  alignas(64) std::uint32_t covers[kLanes], use[kLanes];
  hn::Store(cover, du, covers);
  hn::Store(hn::VecFromMask(du, inked), du, use);
  for (std::size_t i = 0; i < lanes; ++i) {
    if (!use[i]) continue;
    std::uint32_t* top = at[i / width] + i % width;
    combine(*top, planes.below[top - planes.top], covers[i], rgb);
  }
}

// Combines the ring into the pixels of one group: d2 is the squared
// distance of each lane's pixel centre from the ring's centre; lanes outside
// inUse stay as they are.
template <std::size_t R>
HWY_INLINE void coverGroup(const RingProfile& p, VF d2, MU inUse, std::uint32_t* const* at, PixelPlanes planes) {
  const DU du;
  const VU cover = coverageBytes(p, d2);
  const MU inked = hn::And(inUse, hn::Ne(cover, hn::Zero(du)));
  const VU old = loadParts<R>(du, at);
  const VU rgb = hn::Set(du, p.rgb), oldCover = hn::ShiftRight<24>(old);
  // Ink of the same colour, or none, combines by maximum.
  const MU same = hn::Or(hn::Eq(hn::And(old, hn::Set(du, 0xFFFFFFu)), rgb), hn::Eq(oldCover, hn::Zero(du)));
  if (!hn::AllFalse(du, hn::AndNot(same, inked))) {
    combineEach<R>(p.rgb, cover, inked, at, planes);
    return;
  }
  const VU combined = hn::Or(hn::ShiftLeft<24>(hn::Max(oldCover, cover)), rgb);
  storeParts<R>(du, hn::IfThenElse(inked, combined, old), at);
}

// dx of the pixels at column + left, lane by lane.
HWY_INLINE VF dxOf(const RingProfile& p, VU column, int left) {
  const VU x = hn::Add(column, hn::Set(DU(), static_cast<std::uint32_t>(left)));
  return hn::Add(hn::ConvertTo(DF(), hn::BitCast(DI(), x)), hn::Set(DF(), p.offset));
}

// Pixels [first, last) of one row, a vector at a time; the last vector reads
// the pixels beyond the span and writes them back as they were.
HWY_INLINE void coverSpan(const RingProfile& p, float dy2, std::uint32_t* row, int first, int last,
                          PixelPlanes planes) {
  const DF df;
  for (int x = first; x < last; x += static_cast<int>(kLanes)) {
    std::uint32_t* at[1] = {row + x};
    const VF dx = hn::Add(hn::Iota(df, static_cast<float>(x)), hn::Set(df, p.offset));
    coverGroup<1>(p, hn::MulAdd(dx, dx, hn::Set(df, dy2)), hn::FirstN(DU(), static_cast<std::size_t>(last - x)), at,
                  planes);
  }
}

}  // namespace sumimai::raster::HWY_NAMESPACE
HWY_AFTER_NAMESPACE();

#endif  // SUMIMAI_RASTER_RING_LANES_INL_H_
