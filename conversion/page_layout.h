// Where each character of the sutra stands on the page, in the units of the
// page grid box before fitting: 28 columns and 10 rows read in columns from
// right to left, top to bottom. The title (1..10) stands centred in the two
// column widths right of the box, the body (11..272) in the box's columns
// from the right (271 and 272 at the top of the second column from the
// left), the closing title (273..276) at the top of the leftmost column.
#pragma once

#include "glyph.h"
#include "renderer/grid_box.h"
#include "stroke_records.h"

namespace sumimai::strokes {

struct PageCell {
  Point2 centre;
  double width = 0;
  double height = 0;
};

// The cell of character number 1..276 (other numbers: the empty cell).
PageCell pageCell(int number, const GridBox& grid = kPageGridBox);

// How a character's source box (size x size, y down) is placed centred in
// its cell, its side `fill` times the smaller side of the cell.
Placement cellPlacement(const PageCell& cell, double size, double fill);

}  // namespace sumimai::strokes
