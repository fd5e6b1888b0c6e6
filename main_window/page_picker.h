// Which character of the sutra page lies under a position: the arithmetic of
// the page picker, apart from the window's state. Positions and the grid box
// are in twips from the top-left corner of the page picture.
//
// The box holds 28 columns and 10 rows, read in columns from right to left:
// the title (1..10) takes the two column widths right of the box, the body
// (11..272) the box's columns from the right, and the closing title
// (273..276) the top four cells of its leftmost column.
#pragma once

#include <optional>

#include "renderer/grid_box.h"

namespace sumimai {

// The raw cell number (28 - c) * 10 + r, with c the column from the box's
// left edge (from 0) and r the row from its top (from 1), as a 16-bit
// integer; a position too far off the box for 16 bits gives nothing.
std::optional<int> rawCellNumber(const GridBox& grid, double x, double y);

// Whether the pointer at this position in the page view shows that a release
// would pick: strictly inside the box's left, top and bottom edges and left
// of (GridRight - GridLeft) / 27 * 30.5, in a cell that is not one of the
// empty ones below 271, 272 and 273..276.
bool armsPick(const GridBox& grid, double x, double y);

// The number a release at this position picks when the pick is armed:
// strictly inside the box's left, top and bottom edges; raw numbers of the
// second title column (-9..0) gain 10 and those of the leftmost column
// (281..) lose 8; nothing unless the result lies in 1..276.
std::optional<int> pickedNumber(const GridBox& grid, double x, double y);

}  // namespace sumimai
