// The picture's colours as the video encoders take them: 4:2:0 planes of
// BT.709 limited-range Y'CbCr, converted a rectangle at a time.
#pragma once

#include <cstdint>

#include "picture_rows.h"
#include "rgb_image.h"

namespace sumimai {

struct YuvPlanes {
  std::uint8_t* y;
  std::uint8_t* cb;
  std::uint8_t* cr;
  int yStride, cbStride, crStride;
};

// The rectangle widened to even edges within the picture (whose width and
// height are even), converted into the planes.
void convertToYuv420(const RgbImage& picture, PixelRect rect, const YuvPlanes& planes);
// The same, reading the picture (width x height) row by row.
void convertToYuv420(const PictureRows& picture, PictureSize size, PixelRect rect, const YuvPlanes& planes);

}  // namespace sumimai
