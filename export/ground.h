// What lies under the ink: a plain colour or a picture.
#pragma once

#include <filesystem>

#include "core/geometry.h"
#include "rgb_image.h"

namespace sumimai {

struct Ground {
  Rgb colour{255, 255, 255};
  std::filesystem::path picture;  // when set, the picture instead of the colour

  bool plain() const { return picture.empty(); }
};

// The ground of a picture of width x height pixels. A picture file is
// stretched to the canvas, which is 2 pixels wider and taller than the
// picture (a window's canvas is 30 twips larger than the window), and
// its top-left part kept, as a window shows it. Throws ExportError when the
// picture cannot be read.
RgbImage groundImage(const Ground& ground, int width, int height);

}  // namespace sumimai
