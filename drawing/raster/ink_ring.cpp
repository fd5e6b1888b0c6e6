// Rings: circle outlines one pixel wide, antialiased, at fractional centres
// and radii, drawn by the ring kernel (ring_cover.cpp).
#include <cmath>

#include "ink_layer.h"
#include "ring_shape.h"

namespace sumimai {

void InkLayer::ring(float cx, float cy, float radius, Rgb colour) {
  if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(radius) || radius < 0) return;
  markDirty(raster::coverRing(cx, cy, radius, raster::packRgb(colour), area_,
                              {top_.data(), below_.data(), static_cast<std::size_t>(width_)}));
}

}  // namespace sumimai
