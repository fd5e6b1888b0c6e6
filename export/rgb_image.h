// A picture in memory: one 32-bit pixel of premultiplied ARGB 0xAARRGGBB
// (native byte order) per pixel, rows one after another. Mostly opaque,
// 0xFFRRGGBB; a transparent ground leaves pixels of lower alpha.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "drawing/raster/ink_layer.h"

namespace sumimai {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  RgbImage() = default;
  RgbImage(int w, int h, std::uint32_t fill = 0xFFFFFFFF)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

  std::uint32_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
  const std::uint32_t* row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width; }
  std::uint32_t at(int x, int y) const { return row(y)[x]; }
  PixelRect bounds() const { return {0, 0, width, height}; }
  bool operator==(const RgbImage&) const = default;
};

// 0xFFRRGGBB of a colour, each component held to 0..255.
std::uint32_t opaquePixel(Rgb colour);

// The part of an image within rect (which must lie inside it), as an image.
RgbImage cropped(const RgbImage& image, PixelRect rect);

// Whether every pixel of image within rect (which lies inside it) is the same.
bool oneColour(const RgbImage& image, PixelRect rect);

// Whether every pixel of image is opaque.
bool opaque(const RgbImage& image);

// The straight (not premultiplied) 0xAARRGGBB of a premultiplied pixel, as
// file formats with alpha hold it; an opaque pixel stays as it is.
std::uint32_t straightPixel(std::uint32_t premultiplied);

// The image laid over an opaque colour: what shows through its
// transparent pixels becomes that colour.
RgbImage flattenedOnto(const RgbImage& image, Rgb colour);

// Copies rect of from into the same place of to (both the same size).
void copyRect(const RgbImage& from, RgbImage& to, PixelRect rect);

}  // namespace sumimai
