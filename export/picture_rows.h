// A picture read a run of a row at a time: from an image held whole, or
// composed on request by a canvas that keeps no whole picture.
#pragma once

#include <cstdint>

#include "rgb_image.h"

namespace sumimai {

class PictureRows {
 public:
  virtual ~PictureRows() = default;
  // Pixels [left, right) of row y (within the picture), as 0xFFRRGGBB: a
  // pointer into a picture held, or into scratch (room for right - left
  // pixels) after filling it. Valid until the next call with that scratch.
  virtual const std::uint32_t* row(int y, int left, int right, std::uint32_t* scratch) const = 0;
};

// The rows of an image held whole.
class ImageRows : public PictureRows {
 public:
  explicit ImageRows(const RgbImage& image) : image_(image) {}
  const std::uint32_t* row(int y, int left, int, std::uint32_t*) const override { return image_.row(y) + left; }

 private:
  const RgbImage& image_;
};

}  // namespace sumimai
