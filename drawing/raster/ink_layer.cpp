// The ink layer's pixels: clearing, combining coverage, flattening colours,
// the dirty rectangle and compositing.
#include "ink_layer.h"

#include <algorithm>

#include "pixel_arithmetic.h"
#include "ring_shape.h"

namespace sumimai {

using raster::intersect;
using raster::over;
using raster::premultiply;

InkLayer::InkLayer(int width, int height) { reset(width, height); }

void InkLayer::reset(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  const std::size_t n = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
  below_.assign(n + raster::kPlanePadding, 0);
  top_.assign(n + raster::kPlanePadding, 0);
  dirty_ = kNothingDirty;
  inked_ = kNothingDirty;
  area_ = intersect(drawable_, {0, 0, width_, height_});
}

void InkLayer::clear() {
  std::fill(below_.begin(), below_.end(), 0u);
  std::fill(top_.begin(), top_.end(), 0u);
  markDirty(inked_);
  inked_ = kNothingDirty;
}

void InkLayer::erase(PixelRect rect) {
  rect = intersect(rect, {0, 0, width_, height_});
  for (int y = rect.top; y < rect.bottom; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * width_;
    std::fill(below_.begin() + row + rect.left, below_.begin() + row + rect.right, 0u);
    std::fill(top_.begin() + row + rect.left, top_.begin() + row + rect.right, 0u);
  }
  markDirty(rect);
}

void InkLayer::setDrawableArea(PixelRect rect) {
  drawable_ = rect;
  area_ = intersect(drawable_, {0, 0, width_, height_});
}

PixelRect InkLayer::takeDirty() {
  const PixelRect d = dirty_;
  inked_ = raster::unite(inked_, d);
  dirty_ = kNothingDirty;
  return d.empty() ? PixelRect{} : d;
}

void InkLayer::plot(std::size_t i, std::uint32_t coverage, std::uint32_t rgb) {
  raster::combine(top_[i], below_[i], coverage, rgb);
}

void InkLayer::combineRun(int x, int y, int count, const std::uint8_t* coverage, Rgb colour) {
  if (count <= 0) return;
  const std::uint32_t rgb = raster::packRgb(colour);
  const std::size_t row = static_cast<std::size_t>(y) * width_ + x;
  for (int i = 0; i < count; ++i) raster::combine(top_[row + i], below_[row + i], coverage[i], rgb);
  markDirty({x, y, x + count, y + 1});
}

void InkLayer::compositeOnto(std::uint32_t* pixels, std::ptrdiff_t stride, PixelRect rect) const {
  rect = intersect(rect, {0, 0, width_, height_});
  for (int y = rect.top; y < rect.bottom; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * width_;
    const std::uint32_t* top = top_.data() + row;
    const std::uint32_t* below = below_.data() + row;
    std::uint32_t* out = pixels + y * stride;
    for (int x = rect.left; x < rect.right; ++x) {
      if ((top[x] >> 24) == 0 && below[x] == 0) continue;  // no ink: most pixels
      std::uint32_t ink = premultiply(top[x] & 0xFFFFFF, top[x] >> 24);
      if (below[x] != 0) ink = over(ink, below[x]);
      out[x] = over(ink, out[x]);
    }
  }
}

void InkLayer::compositeTintedOnto(std::uint32_t* pixels, std::ptrdiff_t stride, PixelRect rect, Rgb colour) const {
  rect = intersect(rect, {0, 0, width_, height_});
  const std::uint32_t rgb = std::uint32_t(colour.red) << 16 | std::uint32_t(colour.green) << 8 | std::uint32_t(colour.blue);
  for (int y = rect.top; y < rect.bottom; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * width_;
    const std::uint32_t* top = top_.data() + row;
    const std::uint32_t* below = below_.data() + row;
    std::uint32_t* out = pixels + y * stride;
    for (int x = rect.left; x < rect.right; ++x) {
      if ((top[x] >> 24) == 0 && below[x] == 0) continue;
      std::uint32_t alpha = top[x] >> 24;
      if (below[x] != 0) alpha = over(alpha << 24, below[x]) >> 24;
      out[x] = over(premultiply(rgb, alpha), out[x]);
    }
  }
}

std::uint8_t InkLayer::coverage(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return static_cast<std::uint8_t>(top_[static_cast<std::size_t>(y) * width_ + x] >> 24);
}

Rgb InkLayer::colourOverWhite(int x, int y) const {
  std::uint32_t white = 0xFFFFFFFF;
  if (x >= 0 && y >= 0 && x < width_ && y < height_) {
    const std::size_t i = static_cast<std::size_t>(y) * width_ + x;
    white = over(over(premultiply(top_[i] & 0xFFFFFF, top_[i] >> 24), below_[i]), white);
  }
  return {static_cast<int>(white >> 16 & 0xFF), static_cast<int>(white >> 8 & 0xFF),
          static_cast<int>(white & 0xFF)};
}

}  // namespace sumimai
