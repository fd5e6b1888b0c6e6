#include "layout.h"

#include <algorithm>
#include <string>

namespace sumimai {
namespace {

constexpr int kDefaultPerLine = 10;

struct Grid {
  int columns, rows;
};

Grid gridOf(int count, WritingDirection direction, int perLine) {
  const int lines = (count + perLine - 1) / perLine;
  return direction == WritingDirection::Columns ? Grid{lines, perLine} : Grid{perLine, lines};
}

int cellFitting(Grid grid, PictureSize bounds) { return std::min(bounds.width / grid.columns, bounds.height / grid.rows); }

// The line count that gives the biggest cells in the picture.
int bestPerLine(int count, WritingDirection direction, PictureSize size) {
  int best = 1;
  for (int perLine = 1; perLine <= count; ++perLine) {
    if (cellFitting(gridOf(count, direction, perLine), size) > cellFitting(gridOf(count, direction, best), size)) {
      best = perLine;
    }
  }
  return best;
}

PixelRect cellAt(int index, Grid grid, WritingDirection direction, int cell, PictureSize picture) {
  const int along = grid.rows, across = grid.columns;
  int column, row;
  if (direction == WritingDirection::Columns) {
    column = across - 1 - index / along, row = index % along;  // right to left, top to bottom
  } else {
    column = index % across, row = index / across;
  }
  const int left = (picture.width - grid.columns * cell) / 2 + column * cell;
  const int top = (picture.height - grid.rows * cell) / 2 + row * cell;
  return {left, top, left + cell, top + cell};
}

}  // namespace

LayoutResult layOut(int count, const LayoutRequest& request) {
  const std::optional<PictureSize>& size = request.size;
  if (count <= 1) {
    const PictureSize picture = size.value_or(kDefaultCharacterPicture);
    return {{picture, {{0, 0, picture.width, picture.height}}, Framing::AsTheMainWindow}, ""};
  }
  const WritingDirection direction = request.direction;
  const int line = std::clamp(request.perLine.value_or(size ? bestPerLine(count, direction, *size) : kDefaultPerLine), 1, count);
  const Grid grid = gridOf(count, direction, line);
  const int cell = size ? cellFitting(grid, *size)
                        : std::min(kLargestDefaultCell, cellFitting(grid, kDefaultLayoutBounds));
  if (cell < kSmallestCell) {
    return {{}, std::to_string(count) + " characters do not fit: their cells would be " + std::to_string(cell) +
                    " pixels (at least " + std::to_string(kSmallestCell) + ")"};
  }
  LaidOut laid{size.value_or(PictureSize{grid.columns * cell, grid.rows * cell}), {}, Framing::Centred};
  for (int i = 0; i < count; ++i) laid.cells.push_back(cellAt(i, grid, direction, cell, laid.picture));
  return {laid, ""};
}

}  // namespace sumimai
