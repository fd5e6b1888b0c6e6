// Large rings, for one instruction set (see ring_cover.cpp): each row cut
// into the one or two spans where the outline can reach.
//
// The rows' spans are found a vector of rows at a time. Most rows cross the
// outline twice within a few pixels each; where every span of a group of
// rows is at most four pixels long, the group shares one vector: the two
// spans of one row for eight lanes, of two rows for sixteen.
#if defined(SUMIMAI_RASTER_LARGE_RING_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef SUMIMAI_RASTER_LARGE_RING_INL_H_
#undef SUMIMAI_RASTER_LARGE_RING_INL_H_
#else
#define SUMIMAI_RASTER_LARGE_RING_INL_H_
#endif

#include <hwy/highway.h>

#include <bit>

#include "ring_lanes-inl.h"
#include "ring_shape.h"

HWY_BEFORE_NAMESPACE();
namespace sumimai::raster::HWY_NAMESPACE {

// The spans of kLanes rows from y0, found in float (for rings of moderate
// size and position). Span k of row y0 + j is [first[2j + k], last[2j + k]);
// an empty span lies at `left` or at the end of the row's first span, so
// that the row's spans start in ascending order within [left, right].
struct SpansOfRows {
  static constexpr std::size_t kSlack = 4;  // for 128-bit loads near the end
  alignas(64) std::int32_t first[2 * kLanes + kSlack], last[2 * kLanes + kSlack];
  alignas(64) float dy2[kLanes + kSlack];
  std::uint64_t shortRows;  // bit j: row y0 + j has no span longer than four pixels
  PixelRect touched;        // the box of the spans
};

HWY_INLINE void spansOfRows(const RingShape& ring, int y0, int count, int left, int right, SpansOfRows& out) {
  const DF df;
  const DI di;
  using VI = hn::Vec<DI>;
  const VF half = hn::Set(df, 0.5f), zero = hn::Zero(df), cx = hn::Set(df, static_cast<float>(ring.cx));
  const VI l = hn::Set(di, left), r = hn::Set(di, right);
  const auto firstCentre = [&](VF from) { return hn::Max(hn::ConvertTo(di, hn::Ceil(hn::Sub(from, half))), l); };
  const auto endCentre = [&](VF to) {  // one past the last centre at or before to
    return hn::Min(hn::Add(hn::ConvertTo(di, hn::Floor(hn::Sub(to, half))), hn::Set(di, 1)), r);
  };
  const VF dy = hn::Sub(hn::Iota(df, static_cast<float>(y0) + 0.5f), hn::Set(df, static_cast<float>(ring.cy)));
  const VF dy2 = hn::Mul(dy, dy);
  const float reach = static_cast<float>(ring.reach), inner = static_cast<float>(ring.innerReach);
  const VF outerSquared = hn::Sub(hn::Set(df, reach * reach), dy2);
  const VF innerSquared = hn::Sub(hn::Set(df, inner * inner), dy2);
  const VF outer = hn::Sqrt(hn::Max(outerSquared, zero)), hole = hn::Sqrt(hn::Max(innerSquared, zero));
  // Rows beyond the reach (or past the last) have no span; rows clear of the hole one.
  const auto rows = hn::FirstN(di, static_cast<std::size_t>(count));
  const auto split = hn::RebindMask(di, hn::Gt(innerSquared, zero));
  VI aFirst = firstCentre(hn::Sub(cx, outer));
  VI aLast = endCentre(hn::IfThenElse(hn::RebindMask(df, split), hn::Sub(cx, hole), hn::Add(cx, outer)));
  const auto aInk = hn::And(hn::And(rows, hn::RebindMask(di, hn::Gt(outerSquared, zero))), hn::Gt(aLast, aFirst));
  aFirst = hn::IfThenElse(aInk, aFirst, l), aLast = hn::IfThenElse(aInk, aLast, l);
  VI bFirst = firstCentre(hn::Add(cx, hole)), bLast = endCentre(hn::Add(cx, outer));
  const auto bInk = hn::And(hn::And(rows, split), hn::Gt(bLast, bFirst));
  bFirst = hn::IfThenElse(bInk, bFirst, aLast), bLast = hn::IfThenElse(bInk, bLast, aLast);
  hn::StoreInterleaved2(aFirst, bFirst, di, out.first);
  hn::StoreInterleaved2(aLast, bLast, di, out.last);
  hn::Store(dy2, df, out.dy2);
  const VI five = hn::Set(di, 5);
  std::uint8_t bits[8] = {};
  hn::StoreMaskBits(di, hn::And(hn::Lt(hn::Sub(aLast, aFirst), five), hn::Lt(hn::Sub(bLast, bFirst), five)), bits);
  out.shortRows = 0;
  for (std::size_t i = 0; i < (kLanes + 7) / 8; ++i) out.shortRows |= std::uint64_t{bits[i]} << (8 * i);
  // The box: columns from the spans with ink, rows from the first to the last such.
  const auto ink = hn::Or(aInk, bInk);
  if (hn::AllFalse(di, ink)) {
    out.touched = {};
    return;
  }
  hn::StoreMaskBits(di, ink, bits);
  std::uint64_t inkRows = 0;
  for (std::size_t i = 0; i < (kLanes + 7) / 8; ++i) inkRows |= std::uint64_t{bits[i]} << (8 * i);
  const VI from = hn::Min(hn::IfThenElse(aInk, aFirst, r), hn::IfThenElse(bInk, bFirst, r));
  const VI to = hn::Max(hn::IfThenElse(aInk, aLast, l), hn::IfThenElse(bInk, bLast, l));
  out.touched = {hn::GetLane(hn::MinOfLanes(di, from)), y0 + std::countr_zero(inkRows),
                 hn::GetLane(hn::MaxOfLanes(di, to)), y0 + static_cast<int>(std::bit_width(inkRows))};
}

// The spans of rows y0 + j .. y0 + j + G - 1, all at most four pixels long,
// as one vector: four lanes a span, in ascending order.
template <std::size_t G>
HWY_INLINE void coverRowGroup(const RingProfile& p, const SpansOfRows& s, std::uint32_t* row, std::size_t stride,
                              std::size_t j, PixelPlanes planes) {
  const DF df;
  const DI di;
  const DU du;
  alignas(64) static constexpr std::int32_t kSpanOfLane[16] = {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3};
  alignas(64) static constexpr std::int32_t kRowOfLane[16] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1};
  const auto spanOfLane = hn::SetTableIndices(di, kSpanOfLane);
  const auto first = hn::TableLookupLanes(hn::LoadDup128(di, s.first + 2 * j), spanOfLane);
  const auto last = hn::TableLookupLanes(hn::LoadDup128(di, s.last + 2 * j), spanOfLane);
  const VF dy2 = hn::TableLookupLanes(hn::LoadDup128(df, s.dy2 + j), hn::SetTableIndices(df, kRowOfLane));
  const auto column = hn::And(hn::Iota(di, 0), hn::Set(di, 3));
  const VF dx = hn::Add(hn::ConvertTo(df, hn::Add(first, column)), hn::Set(df, p.offset));
  const MU inUse = hn::RebindMask(du, hn::Lt(column, hn::Sub(last, first)));
  std::uint32_t* at[2 * G];
  for (std::size_t k = 0; k < 2 * G; ++k) at[k] = row + (k / 2) * stride + s.first[2 * j + k];
  coverGroup<2 * G>(p, hn::MulAdd(dx, dx, dy2), inUse, at, planes);
}

// Row y0 + j, span by span.
HWY_INLINE void coverRowSpans(const RingProfile& p, const SpansOfRows& s, std::uint32_t* row, std::size_t j,
                              PixelPlanes planes) {
  for (std::size_t k = 2 * j; k < 2 * j + 2; ++k) {
    if (s.first[k] < s.last[k]) coverSpan(p, s.dy2[j], row, s.first[k], s.last[k], planes);
  }
}

// Rows y0 .. y0 + count - 1, their spans in s.
HWY_INLINE void coverRowsOf(const RingProfile& p, const SpansOfRows& s, int y0, int count, PixelPlanes planes) {
  std::uint32_t* row = planes.top + static_cast<std::size_t>(y0) * planes.stride;
  std::size_t j = 0;
  if constexpr (kLanes >= 8) {
    constexpr std::size_t G = kLanes / 8;
    constexpr std::uint64_t kGroup = (1u << G) - 1;
    for (; j + G <= static_cast<std::size_t>(count); j += G, row += G * planes.stride) {
      if ((s.shortRows >> j & kGroup) == kGroup) {
        coverRowGroup<G>(p, s, row, planes.stride, j, planes);
      } else {
        for (std::size_t g = 0; g < G; ++g) coverRowSpans(p, s, row + g * planes.stride, j + g, planes);
      }
    }
  }
  for (; j < static_cast<std::size_t>(count); ++j, row += planes.stride) coverRowSpans(p, s, row, j, planes);
}

// A huge or far-away ring: its spans found in double, row by row.
HWY_NOINLINE PixelRect coverFarRing(const RingShape& ring, IndexRange rows, int left, int right,
                                    PixelPlanes planes) {
  PixelRect touched{};
  for (int y = rows.first; y < rows.last; ++y) {
    const RowSpans row = spansOfRow(ring, y, left, right);
    for (const IndexRange& s : row.spans) {
      if (s.empty()) continue;
      coverSpan(ring.profile, row.dy2, planes.top + static_cast<std::size_t>(y) * planes.stride, s.first, s.last,
                planes);
      touched = unite(touched, {s.first, y, s.last, y + 1});
    }
  }
  return touched;
}

// Rings within this reach of a centre within this distance of the origin
// find their spans in float.
constexpr double kFloatSpans = 1 << 16;

HWY_NOINLINE PixelRect coverLargeRing(const RingShape& ring, IndexRange rows, int left, int right,
                                    PixelPlanes planes) {
  if (ring.reach > kFloatSpans || std::abs(ring.cx) > kFloatSpans || std::abs(ring.cy) > kFloatSpans)
    return coverFarRing(ring, rows, left, right, planes);
  PixelRect touched{};
  SpansOfRows spans;
  for (int y0 = rows.first; y0 < rows.last; y0 += static_cast<int>(kLanes)) {
    const int count = std::min(static_cast<int>(kLanes), rows.last - y0);
    spansOfRows(ring, y0, count, left, right, spans);
    coverRowsOf(ring.profile, spans, y0, count, planes);
    touched = unite(touched, spans.touched);
  }
  return touched;
}

}  // namespace sumimai::raster::HWY_NAMESPACE
HWY_AFTER_NAMESPACE();

#endif  // SUMIMAI_RASTER_LARGE_RING_INL_H_
