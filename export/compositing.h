// The ink of a canvas laid over its ground: the one way the exporter's
// frames and stills and sumimai-render's pictures are composed.
#pragma once

#include "drawing/raster/ink_layer.h"
#include "rgb_image.h"

namespace sumimai {

// The picture pixels that inkRect (ink pixels) covers, the ink's pixel
// (0, 0) lying at the top-left corner of window: the part inside window and
// image.
PixelRect inkArea(PixelRect inkRect, PixelRect window, const RgbImage& image);

// Composites the ink over what image holds within area (picture pixels, as
// inkArea gives them), the ink's pixel (0, 0) at window's corner.
void inkOver(const InkLayer& ink, PixelRect area, PixelRect window, RgbImage& image);

// Composes, within inkRect (ink pixels), the ground and the ink over it
// into image. The ink's pixel (0, 0) lies at the top-left corner of window
// (picture pixels), and only the part of inkRect inside window is composed.
// ground and image are the same size.
void composeInk(const InkLayer& ink, PixelRect inkRect, PixelRect window, const RgbImage& ground, RgbImage& image);

// The finished drawing: the ground with the ink over it from its top-left
// corner, at the ground's size.
RgbImage composedStill(const InkLayer& ink, const RgbImage& ground);

}  // namespace sumimai
