// Rings: circle outlines one pixel wide, antialiased, at fractional centres
// and radii, drawn by the ring kernel (ring_cover.cpp).
#include <cmath>

#include "ink_layer.h"
#include "ring_shape.h"

namespace sumimai {

void InkLayer::ring(float cx, float cy, float radius, Rgb colour) {
  if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(radius) || radius < 0) return;
  const std::uint32_t rgb = raster::packRgb(colour);
  useColour(rgb);
  // The kernel reaches for the plane beneath only where another colour lies on top.
  markDirty(raster::coverRing(cx, cy, radius, rgb, area_, {top_.data(), belowPlane(), static_cast<std::size_t>(width_)}));
}

}  // namespace sumimai
