// Small helpers of the ink raster: 8-bit colour arithmetic on packed pixels
// and the clipping of real coordinates to whole pixels.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ink_layer.h"

namespace sumimai::raster {

// Two 8-bit channels at once, in bits 0-7 and 16-23 of x: each times k / 255,
// rounded.
inline std::uint32_t scalePair(std::uint32_t x, std::uint32_t k) {
  std::uint32_t t = (x & 0x00FF00FF) * k + 0x00800080;
  return ((t + (t >> 8 & 0x00FF00FF)) >> 8) & 0x00FF00FF;
}

// All four channels of x times k / 255, rounded.
inline std::uint32_t scale(std::uint32_t x, std::uint32_t k) { return scalePair(x, k) | scalePair(x >> 8, k) << 8; }

// Premultiplied ARGB of the colour rgb (0xRRGGBB) at coverage a (0..255).
inline std::uint32_t premultiply(std::uint32_t rgb, std::uint32_t a) { return scale(rgb | 0xFF000000, a); }

// Premultiplied src over premultiplied dst. No channel overflows: each of
// src's is at most its alpha a, and dst's scaled one at most 255 - a.
inline std::uint32_t over(std::uint32_t src, std::uint32_t dst) { return src + scale(dst, 255 - (src >> 24)); }

// Adds coverage (0..255) of the colour rgb (0xRRGGBB) to a pixel held as its
// top colour (coverage << 24 | rgb) and the flattened ink below it. Within
// one colour coverage combines by maximum; another colour first flattens the
// top ink into the ink below and starts a new top.
inline void combine(std::uint32_t& top, std::uint32_t& below, std::uint32_t coverage, std::uint32_t rgb) {
  if (coverage == 0) return;
  if ((top & 0xFFFFFF) != rgb && (top >> 24) != 0) {
    below = over(premultiply(top & 0xFFFFFF, top >> 24), below);
    top = 0;
  }
  top = std::max(top, coverage << 24 | rgb);
}

// combine() where the pixel can hold no other colour than rgb: coverage by
// maximum.
inline void raise(std::uint32_t& top, std::uint32_t coverage, std::uint32_t rgb) {
  if (coverage != 0) top = std::max(top, coverage << 24 | rgb);
}

// 0xRRGGBB of a colour, each component held to 0..255.
inline std::uint32_t packRgb(Rgb c) {
  auto part = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
  return part(c.red) << 16 | part(c.green) << 8 | part(c.blue);
}

inline PixelRect intersect(PixelRect a, PixelRect b) {
  PixelRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
  return r.empty() ? PixelRect{} : r;
}

inline PixelRect unite(PixelRect a, PixelRect b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// The pixels whose centres lie within [lo, hi] along one axis, held to the
// indices [from, to): the half-open index range [first, last), empty when
// none. Works in double so that huge or far-away coordinates clip without
// overflow; NaN bounds give an empty range.
struct IndexRange {
  int first = 0, last = 0;
  bool empty() const { return last <= first; }
};
inline IndexRange centresWithin(double lo, double hi, int from, int to) {
  double first = std::ceil(std::max(lo - 0.5, static_cast<double>(from)));
  double last = std::floor(std::min(hi - 0.5, to - 1.0)) + 1;
  if (!(last > first)) return {};
  return {static_cast<int>(first), static_cast<int>(last)};
}

// The pixels [i, i + 1) that overlap (lo, hi) along one axis, held to the
// indices [from, to).
inline IndexRange pixelsOverlapping(double lo, double hi, int from, int to) {
  double first = std::max(std::floor(lo), static_cast<double>(from));
  double last = std::min(std::ceil(hi), static_cast<double>(to));
  if (!(last > first)) return {};
  return {static_cast<int>(first), static_cast<int>(last)};
}

}  // namespace sumimai::raster
