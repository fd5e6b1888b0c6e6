// The finished writing as one picture: drawn straight into the ink raster
// over the ground, with no frames and no file. sumimai-render's pictures
// and the colours of a GIF come from it.
#pragma once

#include "animation_export.h"
#include "rgb_image.h"

namespace sumimai {

// The request's writing composed over its ground at the picture's size.
// Throws ExportError when the ground's picture cannot be read.
RgbImage stillPicture(const ExportRequest& request);

}  // namespace sumimai
