// The guide lines of a practice cell, in the cell's own unit square (0..1,
// y down); the cell's outline is not among them.
#pragma once

#include <vector>

#include "sheet_options.h"

namespace sumimai {

struct GridLine {
  double x1, y1, x2, y2;
};

std::vector<GridLine> gridLinesOf(GridStyle style);

}  // namespace sumimai
