// Where everything of a practice sheet goes, in points (1/72 inch) from the
// page's top-left corner, y downwards. Each character is a block: a heading
// (the character large and its stroke count), the stroke-by-stroke sequence
// in lines of cells, then the practice cells (the trace cells first). The
// blocks follow one another down the page; a block that does not fit in
// what is left of a page goes to the next one whole, and only a block taller
// than a page is split, between its lines.
#pragma once

#include <string>
#include <vector>

#include "sheet_options.h"

namespace sumimai {

struct SheetRect {
  double left = 0, top = 0, width = 0, height = 0;
  double right() const { return left + width; }
  double bottom() const { return top + height; }
  bool operator==(const SheetRect&) const = default;
};

struct PageSize {
  double width = 0, height = 0;  // points
};

// The page in points, turned for landscape.
PageSize pageSizeOf(Paper paper, bool landscape);

enum class CellKind { Sequence, Trace, Empty };

struct SheetCell {
  SheetRect box;
  CellKind kind = CellKind::Empty;
  int character = 0;  // index into the sheet's characters
  int stroke = 0;     // a sequence cell's stroke, from 1
};

struct SheetHeading {
  SheetRect box;     // the square the character is written in
  SheetRect counts;  // where its stroke count is set ("5画"), beside it
  int character = 0;
};

struct SheetPage {
  SheetRect title;   // empty when there is no title
  SheetRect number;  // the page number's line at the foot
  std::vector<SheetHeading> headings;
  std::vector<SheetCell> cells;
};

struct SheetPlan {
  PageSize page;
  double cell = 0;   // a cell's side
  int perLine = 0;   // cells to a line
  std::vector<SheetPage> pages;
};

// Millimetres in points.
constexpr double points(double millimetres) { return millimetres * 72.0 / 25.4; }

// The plan for characters of these stroke counts, in order. At least one
// page, even for no characters.
SheetPlan layOutSheet(const std::vector<int>& strokeCounts, const SheetOptions& options);

}  // namespace sumimai
