#include "page_layout.h"

#include <algorithm>

#include "core/page_grid.h"

namespace sumimai::strokes {

PageCell pageCell(int number, const GridBox& grid) {
  double w = (grid.GridRight - grid.GridLeft) / kPageColumns, h = (grid.GridBottom - grid.GridTop) / kPageRows;
  auto cell = [&](double columnCentre, int row) {
    return PageCell{{grid.GridLeft + columnCentre * w, grid.GridTop + (row - 0.5) * h}, w, h};
  };
  if (number >= 1 && number <= 10) return cell(29, number);  // centred on the line between c 28 and 29
  if (number >= 11 && number <= 272) {
    int fromRight = (number - 11) / 10;
    return cell(27 - fromRight + 0.5, (number - 11) % 10 + 1);
  }
  if (number >= 273 && number <= kSutraCharacters) return cell(0.5, number - 272);
  return {};
}

Placement cellPlacement(const PageCell& cell, double size, double fill) {
  double scale = std::min(cell.width, cell.height) * fill / size;
  return {scale, {cell.centre.x - size / 2 * scale, cell.centre.y - size / 2 * scale}};
}

}  // namespace sumimai::strokes
