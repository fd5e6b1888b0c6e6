// The colours of a GIF (at most 256) and each pixel's index among them.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/geometry.h"
#include "rgb_image.h"

namespace sumimai {

class GifPalette {
 public:
  // Exact for ink of one colour over a plain ground: every colour an
  // antialiased edge of the ink can give over it, one per coverage.
  static GifPalette inkOverGround(Rgb ink, Rgb ground);
  // The colours libimagequant chooses for a finished picture (a picture as
  // the ground, or the page with its grid).
  static GifPalette quantised(const RgbImage& finished);

  // The colours, 0xFFRRGGBB.
  const std::vector<std::uint32_t>& colours() const { return colours_; }
  // The index of the pixel's colour, or of the nearest colour. Always the
  // same for the same pixel, so that parts of frames join without seams.
  std::uint8_t indexOf(std::uint32_t pixel) const;

 private:
  explicit GifPalette(std::vector<std::uint32_t> colours);
  std::vector<std::uint32_t> colours_;
  mutable std::unordered_map<std::uint32_t, std::uint8_t> found_;
};

}  // namespace sumimai
