// The ink brush's shading of one row's span of a ring, pixel by pixel: the
// ring's own coverage times the shade of the bristle's lane and the paper's
// grain under each pixel (ink_brush.h). Written on Highway's portable
// vectors (shade_span.cpp compiles it for each instruction set and picks
// the best at run time); every target gives exactly the bytes of the plain
// arithmetic, operation for operation (no fused multiply-adds), so the
// same drawing gives the same pixels on every processor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "drawing/raster/ring_shape.h"

namespace sumimai {

// What stays the same over one ring. For the pixel whose centre lies dx
// right of the ring's centre and whose row gives dy2, ayDy and byDy:
//   lane    = clamp(int(ax * dx + ayDy + kBrushLanes / 2), 0, kBrushLanes - 1)
//   stretch = along0 + bx * dx + byDy (how far along the bristle's breaks)
struct RingShading {
  const raster::RingProfile* profile;
  float ax, along0, bx;
  const float* laneBreaks;  // per lane, its bristle's breaks (Bristles::laneBreaks)
  const float* density;     // per lane (LaneShades)
  const float* bare;        // per lane (LaneShades)
};

// The pixels of a ring's spans, one after another, as arrays: the ring is
// shaded a vector of pixels at a time whatever its spans' lengths (most
// are a few pixels long). Each array has kShadePadding entries of room
// past the last pixel.
struct ShadePixels {
  std::vector<float> dx, dy2, ayDy, byDy;
  std::vector<std::uint8_t> grain;
  std::size_t count = 0;
  void clear() { count = 0; }
  // Pixels [first, first + n) of a row of a ring centred at x = cx; the
  // grain of the row's pixel first lies at grainRow[grainX], repeating
  // every grainWidth.
  void addRun(int first, int n, float cx, float dy2Of, float ayDyOf, float byDyOf, const std::uint8_t* grainRow,
              int grainX, int grainWidth);
};

// Room past the last pixel that shadePixels may read and write.
inline constexpr std::size_t kShadePadding = 64;

// The ink of every pixel as bytes 0..255 into out[0 .. pixels.count), which
// has kShadePadding bytes of room beyond.
void shadePixels(const RingShading& ring, const ShadePixels& pixels, std::uint8_t* out);

}  // namespace sumimai
