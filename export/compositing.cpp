#include "compositing.h"

#include <algorithm>

#include "ground.h"
#include "drawing/raster/pixel_arithmetic.h"
#include "picture_file.h"

namespace sumimai {

std::uint32_t opaquePixel(Rgb c) {
  auto part = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
  return 0xFF000000u | part(c.red) << 16 | part(c.green) << 8 | part(c.blue);
}

bool opaque(const RgbImage& image) {
  return std::all_of(image.pixels.begin(), image.pixels.end(), [](std::uint32_t p) { return p >> 24 == 0xFF; });
}

std::uint32_t straightPixel(std::uint32_t premultiplied) {
  const std::uint32_t alpha = premultiplied >> 24;
  if (alpha == 0xFF) return premultiplied;
  if (alpha == 0) return 0;
  auto part = [&](int shift) { return std::min(255u, ((premultiplied >> shift & 0xFF) * 255 + alpha / 2) / alpha) << shift; };
  return alpha << 24 | part(16) | part(8) | part(0);
}

RgbImage flattenedOnto(const RgbImage& image, Rgb colour) {
  RgbImage flat = image;
  const std::uint32_t under = opaquePixel(colour);
  for (std::uint32_t& p : flat.pixels) p = raster::over(p, under);
  return flat;
}

RgbImage cropped(const RgbImage& image, PixelRect rect) {
  RgbImage part(rect.right - rect.left, rect.bottom - rect.top);
  for (int y = 0; y < part.height; ++y) {
    const std::uint32_t* from = image.row(rect.top + y) + rect.left;
    std::copy(from, from + part.width, part.row(y));
  }
  return part;
}

bool oneColour(const RgbImage& image, PixelRect rect) {
  if (rect.empty()) return true;
  const std::uint32_t first = image.row(rect.top)[rect.left];
  for (int y = rect.top; y < rect.bottom; ++y) {
    const std::uint32_t* row = image.row(y);
    if (std::any_of(row + rect.left, row + rect.right, [first](std::uint32_t p) { return p != first; })) return false;
  }
  return true;
}

void copyRect(const RgbImage& from, RgbImage& to, PixelRect rect) {
  for (int y = rect.top; y < rect.bottom; ++y) {
    std::copy(from.row(y) + rect.left, from.row(y) + rect.right, to.row(y) + rect.left);
  }
}

PixelRect inkArea(PixelRect inkRect, PixelRect window, const RgbImage& image) {
  const int dx = window.left, dy = window.top;
  return {std::max(inkRect.left + dx, window.left), std::max(inkRect.top + dy, window.top),
          std::min({inkRect.right + dx, window.right, image.width}),
          std::min({inkRect.bottom + dy, window.bottom, image.height})};
}

void inkOver(const InkLayer& ink, PixelRect area, PixelRect window, RgbImage& image) {
  if (area.empty()) return;
  const int dx = window.left, dy = window.top;
  // compositeOnto addresses the ink's pixel (0, 0): the window's corner.
  std::uint32_t* origin = image.row(dy) + dx;
  ink.compositeOnto(origin, image.width, {area.left - dx, area.top - dy, area.right - dx, area.bottom - dy});
}

void composeInk(const InkLayer& ink, PixelRect inkRect, PixelRect window, const RgbImage& ground, RgbImage& image) {
  const PixelRect area = inkArea(inkRect, window, image);
  if (area.empty()) return;
  copyRect(ground, image, area);
  inkOver(ink, area, window, image);
}

RgbImage composedStill(const InkLayer& ink, const RgbImage& ground) {
  RgbImage image = ground;
  composeInk(ink, {0, 0, ink.width(), ink.height()}, ground.bounds(), ground, image);
  return image;
}

RgbImage groundImage(const Ground& ground, int width, int height) {
  if (ground.plain()) return RgbImage(width, height, ground.transparent ? 0 : opaquePixel(ground.colour));
  return cropped(readPicture(ground.picture, width + 2, height + 2), {0, 0, width, height});
}

}  // namespace sumimai
