// shade_span-inl.h compiled once for each instruction set Highway targets
// on this architecture, and the choice among them at run time.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "drawing/ink_brush/shade_span-inl.h"
#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

#include "shade_span-inl.h"
#include "shade_span.h"

#if HWY_ONCE
namespace sumimai {

HWY_EXPORT(ShadePixels);

void shadePixels(const RingShading& ring, const ShadePixels& pixels, std::uint8_t* out) {
  HWY_DYNAMIC_DISPATCH(ShadePixels)(ring, pixels, out);
}

void ShadePixels::addRun(int first, int n, float cx, float dy2Of, float ayDyOf, float byDyOf,
                         const std::uint8_t* grainRow, int grainX, int grainWidth) {
  const auto size = static_cast<std::size_t>(n);
  if (count + size + kShadePadding > dx.size()) {
    const std::size_t grown = 2 * (count + size + kShadePadding);
    dx.resize(grown), dy2.resize(grown), ayDy.resize(grown), byDy.resize(grown), grain.resize(grown);
  }
  for (std::size_t i = 0; i < size; ++i) {
    dx[count + i] = static_cast<float>(first + static_cast<int>(i)) + 0.5f - cx;
    dy2[count + i] = dy2Of, ayDy[count + i] = ayDyOf, byDy[count + i] = byDyOf;
  }
  for (std::size_t i = 0; i < size; ++i) {
    grain[count + i] = grainRow[grainX];
    if (++grainX == grainWidth) grainX = 0;
  }
  count += size;
}

}  // namespace sumimai
#endif
