// Where the characters of a composition go: square cells in columns written
// top to bottom and right to left, as the sutra is written, or in rows
// written left to right and top to bottom; and how a character is framed in
// its cell.
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
  std::vector<PixelRect> cells;  // one per character, in writing order
  // One character is framed as the main window frames it (its cell is the
  // window); several are centred in their cells.
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

// The cells of count characters. A single character (or none) fills the
// whole picture. Several characters without a picture size get cells of up
// to 240 pixels in a picture that fits 1920 x 1080; with a size, the
// biggest cells that fit, the grid centred. Without perLine, ten to a line
// when the size is not given, else the count that gives the biggest cells.
// Cells smaller than 16 pixels are refused.
LayoutResult layOut(int count, const LayoutRequest& request);

}  // namespace sumimai
