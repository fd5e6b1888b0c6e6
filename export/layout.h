// Where the characters of an export go: square cells in columns written
// top to bottom and right to left, as the sutra is written, or in rows
// written left to right and top to bottom.
#pragma once

#include <optional>
#include <vector>

#include "drawing/raster/ink_layer.h"

namespace sumimai {

enum class LayoutDirection { Columns, Rows };

struct PictureSize {
  int width = 0, height = 0;
  bool operator==(const PictureSize&) const = default;
};

struct LaidOut {
  PictureSize picture;
  std::vector<PixelRect> cells;  // one per character, in writing order
};

// The biggest cell when none is asked for, and the picture a layout of
// several characters fits into when no size is given.
inline constexpr int kLargestDefaultCell = 240;
inline constexpr PictureSize kDefaultLayoutBounds{1920, 1080};
// The smallest cell a character is drawn in.
inline constexpr int kSmallestCell = 16;

// The cells of count characters, perLine to a column (or row). A single
// character fills the whole picture. Several characters without a picture
// size get cells of up to 240 pixels in a picture that fits 1920 x 1080;
// with a size, the biggest cells that fit, the grid centred. Without
// perLine, ten to a line when the size is not given, else the count that
// gives the biggest cells. Throws ExportError when the cells would be
// smaller than 16 pixels.
LaidOut layOut(int count, LayoutDirection direction, std::optional<int> perLine, std::optional<PictureSize> size);

}  // namespace sumimai
