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
  below_.reset(0);
  soleColour_ = kNoColour;
  top_.reset(n + raster::kPlanePadding);
  dirty_ = kNothingDirty;
  inked_ = kNothingDirty;
  area_ = intersect(drawable_, {0, 0, width_, height_});
}

void InkLayer::clear() {
  below_.reset(0);
  soleColour_ = kNoColour;
  top_.zero();
  markDirty(inked_);
  inked_ = kNothingDirty;
}

void InkLayer::erase(PixelRect rect) {
  rect = intersect(rect, {0, 0, width_, height_});
  for (int y = rect.top; y < rect.bottom; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * width_;
    if (!below_.empty()) std::fill(below_.data() + row + rect.left, below_.data() + row + rect.right, 0u);
    std::fill(top_.data() + row + rect.left, top_.data() + row + rect.right, 0u);
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

void InkLayer::useColour(std::uint32_t rgb) {
  if (!below_.empty() || soleColour_ == rgb) return;
  if (soleColour_ == kNoColour) {
    soleColour_ = rgb;
    return;
  }
  below_.reset(top_.size());
}

// With one colour alone there is nothing to flatten: combine() would only
// raise the coverage.
void InkLayer::plot(std::size_t i, std::uint32_t coverage, std::uint32_t rgb) {
  if (below_.empty()) return raster::raise(top_[i], coverage, rgb);
  raster::combine(top_[i], below_[i], coverage, rgb);
}

void InkLayer::combineRun(int x, int y, int count, const std::uint8_t* coverage, Rgb colour) {
  if (count <= 0) return;
  const std::uint32_t rgb = raster::packRgb(colour);
  useColour(rgb);
  const std::size_t row = static_cast<std::size_t>(y) * width_ + x;
  for (int i = 0; i < count; ++i) plot(row + i, coverage[i], rgb);
  markDirty({x, y, x + count, y + 1});
}

void InkLayer::compositeOnto(std::uint32_t* pixels, std::ptrdiff_t stride, PixelRect rect) const {
  rect = intersect(rect, {0, 0, width_, height_});
  for (int y = rect.top; y < rect.bottom; ++y) compositeRow(y, rect.left, rect.right, pixels + y * stride + rect.left);
}

void InkLayer::compositeRow(int y, int left, int right, std::uint32_t* pixels) const {
  if (y < 0 || y >= height_) return;
  const int from = std::max(left, 0), to = std::min(right, width_);
  const std::size_t row = static_cast<std::size_t>(y) * width_;
  const std::uint32_t* top = top_.data() + row;
  std::uint32_t* out = pixels;  // pixel x at x - left
  if (below_.empty()) {
    for (int x = from; x < to; ++x) {
      if ((top[x] >> 24) != 0) out[x - left] = over(premultiply(top[x] & 0xFFFFFF, top[x] >> 24), out[x - left]);
    }
    return;
  }
  const std::uint32_t* below = below_.data() + row;
  for (int x = from; x < to; ++x) {
    if ((top[x] >> 24) == 0 && below[x] == 0) continue;  // no ink: most pixels
    std::uint32_t ink = premultiply(top[x] & 0xFFFFFF, top[x] >> 24);
    if (below[x] != 0) ink = over(ink, below[x]);
    out[x - left] = over(ink, out[x - left]);
  }
}

void InkLayer::compositeTintedOnto(std::uint32_t* pixels, std::ptrdiff_t stride, PixelRect rect, Rgb colour) const {
  rect = intersect(rect, {0, 0, width_, height_});
  const std::uint32_t rgb = std::uint32_t(colour.red) << 16 | std::uint32_t(colour.green) << 8 | std::uint32_t(colour.blue);
  for (int y = rect.top; y < rect.bottom; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * width_;
    const std::uint32_t* top = top_.data() + row;
    // No plane beneath while one colour alone was drawn.
    const std::uint32_t* below = below_.empty() ? nullptr : below_.data() + row;
    std::uint32_t* out = pixels + y * stride;
    for (int x = rect.left; x < rect.right; ++x) {
      const std::uint32_t beneath = below ? below[x] : 0;
      if ((top[x] >> 24) == 0 && beneath == 0) continue;
      std::uint32_t alpha = top[x] >> 24;
      if (beneath != 0) alpha = over(alpha << 24, beneath) >> 24;
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
    const std::uint32_t below = below_.empty() ? 0 : below_[i];
    white = over(over(premultiply(top_[i] & 0xFFFFFF, top_[i] >> 24), below), white);
  }
  return {static_cast<int>(white >> 16 & 0xFF), static_cast<int>(white >> 8 & 0xFF),
          static_cast<int>(white & 0xFF)};
}

}  // namespace sumimai
