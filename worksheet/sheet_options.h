// What a practice sheet is asked for: the paper, the cells of each
// character and how they are drawn.
#pragma once

#include <optional>
#include <string>

#include "core/geometry.h"
#include "drawing/ink_brush/brush_choice.h"

namespace sumimai {

// A4 and Letter, and the Japanese B5 (182 x 257 mm) that school notebooks
// and practice paper use.
enum class Paper { A4, Letter, B5 };

// The guide lines of a practice cell: none, 田字格 (a centre cross), 米字格
// (the cross and both diagonals) or 九宮格 (three by three).
enum class GridStyle { None, Tian, Mi, Jiugong };

struct SheetOptions {
  Paper paper = Paper::A4;
  bool landscape = false;
  GridStyle grid = GridStyle::Mi;
  int trace = 3;             // cells with the finished character faint, to write over
  std::optional<int> cells;  // practice cells per character in all; none: to the end of the line
  std::string title;         // over every page; empty: none
  Rgb ink{0, 0, 0};
  bool numbers = true;  // stroke numbers, start dots and arrows in the sequence cells
  BrushChoice brush;    // what writes every character of the sheet
};

// The paper and the grid by the names the command line takes ("a4",
// "letter", "b5"; "none", "tian", "mi", "jiugong"); nothing for another name.
std::optional<Paper> paperNamed(const std::string& name);
std::optional<GridStyle> gridNamed(const std::string& name);

}  // namespace sumimai
