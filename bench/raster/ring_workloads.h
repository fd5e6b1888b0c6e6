// Ring workloads shared by the ink raster and the QPainter baseline, in
// device pixels on a 1920 x 1080 image.
#pragma once

#include <vector>

namespace sumimai::bench {

constexpr int kImageWidth = 1920, kImageHeight = 1080;

struct PixelRing {
  float x, y, radius;
};

// One large character: about 200,000 rings of radius 2..35 whose centres
// move 1/15 pixel from one ring to the next.
std::vector<PixelRing> characterRings();

// A page of small characters: about 1.5 million rings of radius 0..4 along
// short strokes in a 28 x 10 grid, 1/15 pixel apart.
std::vector<PixelRing> pageRings();

}  // namespace sumimai::bench
