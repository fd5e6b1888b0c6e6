#include "gif_palette.h"

#include <libimagequant.h>

#include <algorithm>
#include <memory>

#include "drawing/raster/pixel_arithmetic.h"
#include "export_error.h"

namespace sumimai {
namespace {

int channelDistance(std::uint32_t a, std::uint32_t b, int shift) {
  const int d = static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF);
  return d * d;
}

int distance(std::uint32_t a, std::uint32_t b) {
  return channelDistance(a, b, 16) + channelDistance(a, b, 8) + channelDistance(a, b, 0);
}

struct LiqFree {
  void operator()(liq_attr* a) const { liq_attr_destroy(a); }
  void operator()(liq_image* i) const { liq_image_destroy(i); }
  void operator()(liq_result* r) const { liq_result_destroy(r); }
};

}  // namespace

GifPalette::GifPalette(std::vector<std::uint32_t> colours) : colours_(std::move(colours)) {
  for (std::size_t i = 0; i < colours_.size(); ++i) found_.emplace(colours_[i], static_cast<std::uint8_t>(i));
}

GifPalette GifPalette::inkOverGround(Rgb ink, Rgb ground) {
  const std::uint32_t inkRgb = raster::packRgb(ink), groundPixel = 0xFF000000u | raster::packRgb(ground);
  std::vector<std::uint32_t> colours;
  for (std::uint32_t coverage = 0; coverage <= 255; ++coverage) {
    const std::uint32_t c = raster::over(raster::premultiply(inkRgb, coverage), groundPixel);
    if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
  }
  return GifPalette(std::move(colours));
}

GifPalette GifPalette::quantised(const RgbImage& finished) {
  std::vector<std::uint8_t> rgba(finished.pixels.size() * 4);
  for (std::size_t i = 0; i < finished.pixels.size(); ++i) {
    const std::uint32_t p = finished.pixels[i];
    rgba[4 * i] = p >> 16 & 0xFF, rgba[4 * i + 1] = p >> 8 & 0xFF, rgba[4 * i + 2] = p & 0xFF, rgba[4 * i + 3] = 255;
  }
  std::unique_ptr<liq_attr, LiqFree> attr(liq_attr_create());
  liq_set_max_colors(attr.get(), 256);
  std::unique_ptr<liq_image, LiqFree> image(
      liq_image_create_rgba(attr.get(), rgba.data(), finished.width, finished.height, 0));
  liq_result* made = nullptr;
  if (!image || liq_image_quantize(image.get(), attr.get(), &made) != LIQ_OK) {
    throw ExportError("the GIF colours could not be chosen");
  }
  std::unique_ptr<liq_result, LiqFree> result(made);
  const liq_palette* palette = liq_get_palette(result.get());
  std::vector<std::uint32_t> colours;
  for (unsigned i = 0; i < palette->count; ++i) {
    const liq_color& c = palette->entries[i];
    colours.push_back(0xFF000000u | std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b);
  }
  return GifPalette(std::move(colours));
}

std::uint8_t GifPalette::indexOf(std::uint32_t pixel) const {
  if (auto it = found_.find(pixel); it != found_.end()) return it->second;
  auto nearest = std::min_element(colours_.begin(), colours_.end(), [pixel](std::uint32_t a, std::uint32_t b) {
    return distance(a, pixel) < distance(b, pixel);
  });
  const auto index = static_cast<std::uint8_t>(nearest - colours_.begin());
  found_.emplace(pixel, index);
  return index;
}

}  // namespace sumimai
