// The ink brush's span shading for one instruction set (shade_span.cpp
// compiles it once per Highway target). Each step is the same IEEE
// operation, in the same order, as the plain formula it stands for, so
// that every target's bytes agree.
#if defined(SUMIMAI_INK_BRUSH_SHADE_SPAN_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef SUMIMAI_INK_BRUSH_SHADE_SPAN_INL_H_
#undef SUMIMAI_INK_BRUSH_SHADE_SPAN_INL_H_
#else
#define SUMIMAI_INK_BRUSH_SHADE_SPAN_INL_H_
#endif

#include <hwy/highway.h>

#include "bristles.h"
#include "shade_span.h"

HWY_BEFORE_NAMESPACE();
namespace sumimai::HWY_NAMESPACE {

namespace hn = hwy::HWY_NAMESPACE;

// At most 16 lanes: a span's last vector writes no further than the padding.
using DF = hn::CappedTag<float, 16>;
using DI = hn::RebindToSigned<DF>;
using D8 = hn::Rebind<std::uint8_t, DF>;
using VF = hn::Vec<DF>;
using VI = hn::Vec<DI>;
static_assert(16 <= kShadePadding);

// Bristles' breaks at `stretch` along their paths, the lanes' tables
// interpolated smoothly (t * t * (3 - 2 * t) between two points).
HWY_INLINE VF breaksAt(const RingShading& s, VI lane, VF stretch) {
  const DF df;
  const DI di;
  const VF shifted = hn::Max(hn::Zero(df), hn::Add(stretch, hn::Set(df, static_cast<float>(Bristles::kBreakSteps))));
  const VI whole = hn::ConvertTo(di, shifted);  // truncation: the floor of a value >= 0
  VF t = hn::Sub(shifted, hn::ConvertTo(df, whole));
  t = hn::Mul(hn::Mul(t, t), hn::Sub(hn::Set(df, 3.0f), hn::Mul(hn::Set(df, 2.0f), t)));
  const VI k = hn::And(whole, hn::Set(di, Bristles::kBreakSteps - 1));
  const VI at = hn::Add(hn::Mul(lane, hn::Set(di, Bristles::kBreakSteps + 1)), k);
  const VF b0 = hn::GatherIndex(df, s.laneBreaks, at);
  const VF b1 = hn::GatherIndex(df, s.laneBreaks, hn::Add(at, hn::Set(di, 1)));
  return hn::Add(b0, hn::Mul(hn::Sub(b1, b0), t));
}

// RingProfile::coverage at distance d.
HWY_INLINE VF ringCoverage(const raster::RingProfile& p, VF d) {
  const DF df;
  const VF slopeD = hn::Mul(hn::Set(df, raster::kSlope), d);
  const VF disc = hn::Min(hn::Set(df, p.outerCap), hn::Sub(hn::Set(df, p.outerEdge), slopeD));
  const VF cut = hn::Min(hn::Set(df, p.holeCap), hn::Max(hn::Zero(df), hn::Sub(hn::Set(df, p.holeEdge), slopeD)));
  return hn::Max(hn::Zero(df), hn::Sub(disc, cut));
}

void ShadePixels(const RingShading& s, const ShadePixels& pixels, std::uint8_t* out) {
  const DF df;
  const DI di;
  const D8 d8;
  const std::size_t n = hn::Lanes(df);
  for (std::size_t i = 0; i < pixels.count; i += n) {
    const VF dx = hn::LoadU(df, pixels.dx.data() + i);
    const VF cover = ringCoverage(*s.profile, hn::Sqrt(hn::Add(hn::Mul(dx, dx), hn::LoadU(df, pixels.dy2.data() + i))));
    const VF across = hn::Add(hn::Add(hn::Mul(hn::Set(df, s.ax), dx), hn::LoadU(df, pixels.ayDy.data() + i)),
                              hn::Set(df, 0.5f * kBrushLanes));
    const VI lane = hn::Min(hn::Max(hn::ConvertTo(di, across), hn::Zero(di)), hn::Set(di, kBrushLanes - 1));
    const VF g = hn::ConvertTo(df, hn::PromoteTo(di, hn::LoadU(d8, pixels.grain.data() + i)));
    const VF stretch = hn::Add(hn::Add(hn::Set(df, s.along0), hn::Mul(hn::Set(df, s.bx), dx)),
                               hn::LoadU(df, pixels.byDy.data() + i));
    const VF touch = hn::Add(hn::Mul(hn::Set(df, 0.5f), g), hn::Mul(hn::Set(df, 127.5f), breaksAt(s, lane, stretch)));
    const VF bare = hn::GatherIndex(df, s.bare, lane), density = hn::GatherIndex(df, s.density, lane);
    const VF laid = hn::Min(hn::Max(hn::Mul(hn::Sub(touch, bare), hn::Set(df, 1 / LaneShades::kGrainRamp)), hn::Zero(df)),
                            hn::Set(df, 1.0f));
    const VF paper = hn::Add(hn::Set(df, 0.93f), hn::Mul(hn::Set(df, 0.07f / 255), g));
    const VF shade = hn::Mul(hn::Mul(density, laid), paper);
    // raster::toByte
    const VF scaled = hn::Add(hn::Mul(hn::Mul(cover, shade), hn::Set(df, 255.0f)), hn::Set(df, 0.5f));
    hn::StoreU(hn::DemoteTo(d8, hn::ConvertTo(di, scaled)), d8, out + i);
  }
}

}  // namespace sumimai::HWY_NAMESPACE
HWY_AFTER_NAMESPACE();

#endif  // SUMIMAI_INK_BRUSH_SHADE_SPAN_INL_H_
