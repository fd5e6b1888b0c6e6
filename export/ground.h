// What lies under the ink: a plain colour, nothing (a transparent ground)
// or a picture.
#pragma once

#include <filesystem>

#include "core/geometry.h"
#include "rgb_image.h"

namespace sumimai {

struct Ground {
  Rgb colour{255, 255, 255};
  // No colour: the pixels without ink stay clear, in the kinds of file that
  // hold transparency (holdsTransparency); the others take the colour.
  bool transparent = false;
  std::filesystem::path picture;  // when set, the picture instead of the colour

  bool plain() const { return picture.empty(); }
};

// The ground of a picture of width x height pixels. A picture file is
// stretched to the canvas, which is 2 pixels wider and taller than the
// picture (a window's canvas is 30 twips larger than the window), and
// its top-left part kept, as a window shows it. A transparent ground is
// clear pixels (0). Throws ExportError when the picture cannot be read.
RgbImage groundImage(const Ground& ground, int width, int height);

}  // namespace sumimai
