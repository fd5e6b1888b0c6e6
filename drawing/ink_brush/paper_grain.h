// The grain of the paper: where its fibres stand high enough to catch ink
// from a brush that is running dry. A grain value per paper pixel, spread
// evenly over 0..255, so that "the highest quarter of the paper" is the
// pixels above 191 wherever the grain comes from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace sumimai {

class PaperGrain {
 public:
  // Fine fibrous grain from a seed, a tile that repeats every kTile pixels.
  static std::shared_ptr<const PaperGrain> seeded(std::uint64_t seed);
  // The grain of a picture of paper: its own fine texture (the luminance
  // less its local mean) mixed with seeded grain, so that the ink catches
  // where the pictured paper shows its fibres. pixels are 0xAARRGGBB rows of
  // `stride` pixels; the grain has the picture's size and repeats beyond it.
  static std::shared_ptr<const PaperGrain> ofPicture(const std::uint32_t* pixels, int width, int height,
                                                     std::ptrdiff_t stride, std::uint64_t seed);

  static constexpr int kTile = 256;

  int width() const { return width_; }
  int height() const { return height_; }
  // The grain at paper pixel (x, y), any integers (the grain repeats).
  std::uint8_t at(int x, int y) const { return values_[index(wrap(y, height_)) * width_ + wrap(x, width_)]; }
  // Row y (wrapped) of width() values.
  const std::uint8_t* row(int y) const { return values_.data() + index(wrap(y, height_)) * width_; }
  static int wrap(int v, int n) {
    const int m = v % n;
    return m < 0 ? m + n : m;
  }

 private:
  PaperGrain(int width, int height, std::vector<std::uint8_t> values)
      : width_(width), height_(height), values_(std::move(values)) {}
  static std::size_t index(int v) { return static_cast<std::size_t>(v); }
  int width_, height_;
  std::vector<std::uint8_t> values_;
};

}  // namespace sumimai
