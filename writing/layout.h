// Where the characters of a composition go: square cells in columns written
// top to bottom and right to left, as the sutra is written, or in rows
// written left to right and top to bottom, a line feed starting a new
// column (or row) and long lines wrapped by the line breaking rules
// (line_breaking.h); a margin of at least a tenth of a cell on every side;
// and how a character is framed in its cell.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/geometry.h"
#include "renderer/drawing_sequence.h"
#include "writing_direction.h"

namespace sumimai {

// What a layout is asked for.
struct LayoutRequest {
  WritingDirection direction = WritingDirection::Columns;
  std::optional<int> perLine;       // characters to a column (or row)
  std::optional<PictureSize> size;  // the picture's size; none: as the cells need
};

struct LaidOut {
  PictureSize picture;
  std::vector<PixelRect> cells;  // one per character, in writing order; empty for a line feed
  // One character is framed as the main window frames it (its cell is the
  // window); several are set on their design box (Framing::EmBox).
  Framing framing = Framing::AsTheMainWindow;
};

struct [[nodiscard]] LayoutResult {
  LaidOut laid;
  std::string problem;  // "" or why the characters do not fit
  bool ok() const { return problem.empty(); }
};

// The biggest cell when none is asked for, and the picture a layout of
// several characters fits into when no size is given.
inline constexpr int kLargestDefaultCell = 240;
inline constexpr PictureSize kDefaultLayoutBounds{1920, 1080};
// The picture of one character when no size is given.
inline constexpr PictureSize kDefaultCharacterPicture{720, 720};
// The smallest cell a character is drawn in.
inline constexpr int kSmallestCell = 16;

// The margin around the cells: a tenth of a cell, rounded up.
int marginOf(int cell);

// The cells of the characters of a text (each the UTF-8 of one). A single
// character (or none) fills the whole picture. Several without a picture
// size get cells of up to 240 pixels in a picture that fits 1920 x 1080;
// with a size, the biggest cells that fit, the grid centred. Without
// perLine: a text with line feeds gets lines as long as its longest, one
// without ten to a line when the size is not given; with a size, the count
// that gives the biggest cells. Cells smaller than 16 pixels are refused.
LayoutResult layOutText(const std::vector<std::string>& characters, const LayoutRequest& request);

// The same for count characters without line feeds.
LayoutResult layOut(int count, const LayoutRequest& request);

}  // namespace sumimai
