#include "view_layout.h"

#include <algorithm>

namespace sumimai {
namespace {

int lines(int count, int perLine) { return (count + perLine - 1) / perLine; }

// The side of a cell for perLine characters to a line: what the view gives
// across the lines and along them, at least the smallest.
int cellFor(const ViewRequest& r, int perLine) {
  const bool columns = r.direction == WritingDirection::Columns;
  const int along = columns ? r.view.height : r.view.width;
  const int across = columns ? r.view.width : r.view.height;
  return std::max(r.smallestCell, std::min(along / perLine, across / lines(r.count, perLine)));
}

}  // namespace

ViewLayout viewLayout(const ViewRequest& r) {
  const int count = std::max(r.count, 1);
  ViewLayout out;
  out.request.direction = r.direction;
  if (r.perLine) {
    out.perLine = std::clamp(*r.perLine, 1, count);
  } else {
    // The biggest cells of lines that fit along the window; among equals,
    // the longest lines (the fewest to scroll across).
    const int along = r.direction == WritingDirection::Columns ? r.view.height : r.view.width;
    out.perLine = 1;
    for (int n = 1; n <= count; ++n) {
      if (n * cellFor(r, n) <= along && cellFor(r, n) >= cellFor(r, out.perLine)) out.perLine = n;
    }
  }
  out.cell = cellFor(r, out.perLine);
  const int along = out.perLine * out.cell, across = lines(count, out.perLine) * out.cell;
  const bool columns = r.direction == WritingDirection::Columns;
  out.request.perLine = out.perLine;
  out.request.size = columns ? PictureSize{std::max(across, r.view.width), std::max(along, r.view.height)}
                             : PictureSize{std::max(along, r.view.width), std::max(across, r.view.height)};
  return out;
}

}  // namespace sumimai
