// The ink of a canvas laid over its ground: the one way the exporter's
// frames and stills and sumimai-render's pictures are composed.
#pragma once

#include "drawing/raster/ink_layer.h"
#include "rgb_image.h"

namespace sumimai {

// Composes, within inkRect (ink pixels), the ground and the ink over it
// into image. The ink's pixel (0, 0) lies at the top-left corner of window
// (picture pixels), and only the part of inkRect inside window is composed.
// ground and image are the same size.
void composeInk(const InkLayer& ink, PixelRect inkRect, PixelRect window, const RgbImage& ground, RgbImage& image);

// The finished drawing: the ground with the ink over it from its top-left
// corner, at the ground's size.
RgbImage composedStill(const InkLayer& ink, const RgbImage& ground);

}  // namespace sumimai
