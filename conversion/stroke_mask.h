// The pixels whose centres lie inside a stroke's outline, row by row: what
// the fidelity check compares the ink with and what the brush fitting covers.
#pragma once

#include <vector>

#include "glyph.h"

namespace sumimai::strokes {

// Source units to pixels: pixel i's centre lies at i.
struct PixelMapping {
  double scale = 1, offsetX = 0, offsetY = 0;
  Point2 operator()(Point2 p) const { return {p.x * scale + offsetX, p.y * scale + offsetY}; }
};

// Pixels left..right-1 of row y.
struct PixelSpan {
  int y = 0, left = 0, right = 0;
};

// The inside of the stroke on a width x height picture: the union of its
// parts, each the even-odd inside of its contours. Spans of different parts
// may overlap.
std::vector<PixelSpan> strokeSpans(const SourceStroke& stroke, const PixelMapping& map, int width, int height);

}  // namespace sumimai::strokes
