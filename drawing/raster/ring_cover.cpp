// The ring kernel (ring_kernel-inl.h) compiled once for each instruction set
// Highway targets on this architecture, and the choice among them at run
// time: a build for the architecture's baseline still runs the best vectors
// the processor has.
//
// SVE and RVV vectors have no width known at compile time, which the
// kernel's groups of rows need; processors with SVE run the NEON kernel.
#define HWY_DISABLED_TARGETS (HWY_SVE | HWY_SVE2 | HWY_SVE_256 | HWY_SVE2_128 | HWY_RVV)

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "drawing/raster/ring_kernel-inl.h"
#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

#include "ring_kernel-inl.h"
#include "ring_shape.h"

#if HWY_ONCE
namespace sumimai::raster {

HWY_EXPORT(CoverRing);

PixelRect coverRing(float cx, float cy, float radius, std::uint32_t rgb, PixelRect area, PixelPlanes planes) {
  return HWY_DYNAMIC_DISPATCH(CoverRing)(cx, cy, radius, rgb, area, planes);
}

std::vector<std::int64_t> ringKernelTargets() { return hwy::SupportedAndGeneratedTargets(); }

}  // namespace sumimai::raster
#endif
