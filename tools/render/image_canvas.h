// A raster canvas for drawing into an image file: the ink goes into the
// raster's ink layer, and the finished drawing is laid over a background.
#pragma once

#include <QImage>

#include "drawing/raster/ink_only_canvas.h"

namespace sumimai {

class ImageCanvas : public InkOnlyCanvas {
 public:
  // The ink composited over background, which is stretched to the ink's
  // size; the result is cropped to width x height pixels from the top left.
  QImage composite(const QImage& background, int width, int height);
};

}  // namespace sumimai
