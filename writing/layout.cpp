#include "layout.h"

#include <algorithm>
#include <string>

#include "core/user_language.h"
#include "line_breaking.h"

namespace sumimai {
namespace {

constexpr int kDefaultPerLine = 10;

struct Grid {
  int columns, rows;
};

Grid gridOf(int lines, WritingDirection direction, int perLine) {
  return direction == WritingDirection::Columns ? Grid{lines, perLine} : Grid{perLine, lines};
}

// The biggest cell whose grid and margins fit within `side`.
int cellAlong(int side, int cells) {
  int cell = side * 10 / (10 * cells + 2);
  while (cell > 0 && cell * cells + 2 * marginOf(cell) > side) --cell;
  return cell;
}

int cellFitting(Grid grid, PictureSize bounds) {
  return std::min(cellAlong(bounds.width, grid.columns), cellAlong(bounds.height, grid.rows));
}

struct Lines {
  TextLines text;
  int perLine;
};

Lines linesOf(const std::vector<std::string>& characters, int perLine) {
  return {breakLines(characters, perLine), perLine};
}

// The line length that gives the biggest cells in the picture.
Lines bestLines(const std::vector<std::string>& characters, WritingDirection direction, PictureSize size) {
  Lines best = linesOf(characters, 1);
  int bestCell = cellFitting(gridOf(best.text.lines, direction, 1), size);
  for (int perLine = 2; perLine <= longestLine(characters); ++perLine) {
    Lines lines = linesOf(characters, perLine);
    const int cell = cellFitting(gridOf(lines.text.lines, direction, perLine), size);
    if (cell > bestCell) best = std::move(lines), bestCell = cell;
  }
  return best;
}

Lines linesFor(const std::vector<std::string>& characters, const LayoutRequest& request) {
  const int longest = longestLine(characters);
  if (request.perLine) return linesOf(characters, std::clamp(*request.perLine, 1, longest));
  if (request.size) return bestLines(characters, request.direction, *request.size);
  const bool hasLineFeeds = std::any_of(characters.begin(), characters.end(), [](const std::string& c) { return isLineFeed(c); });
  return linesOf(characters, hasLineFeeds ? longest : std::min(kDefaultPerLine, longest));
}

PixelRect cellAt(LinePlace place, Grid grid, WritingDirection direction, int cell, PictureSize picture) {
  int column, row;
  if (direction == WritingDirection::Columns) {
    column = grid.columns - 1 - place.line, row = place.along;  // right to left, top to bottom
  } else {
    column = place.along, row = place.line;
  }
  const int left = (picture.width - grid.columns * cell) / 2 + column * cell;
  const int top = (picture.height - grid.rows * cell) / 2 + row * cell;
  return {left, top, left + cell, top + cell};
}

int placedCount(const std::vector<std::string>& characters) {
  return static_cast<int>(std::count_if(characters.begin(), characters.end(), [](const std::string& c) { return !isLineFeed(c); }));
}

// One character fills the picture; line feeds around it stand nowhere.
LaidOut alone(const std::vector<std::string>& characters, const std::optional<PictureSize>& size) {
  const PictureSize picture = size.value_or(kDefaultCharacterPicture);
  LaidOut laid{picture, {}, Framing::AsTheMainWindow};
  for (const std::string& c : characters) laid.cells.push_back(isLineFeed(c) ? PixelRect{} : PixelRect{0, 0, picture.width, picture.height});
  if (laid.cells.empty()) laid.cells.push_back({0, 0, picture.width, picture.height});
  return laid;
}

}  // namespace

int marginOf(int cell) { return (cell + 9) / 10; }

LayoutResult layOutText(const std::vector<std::string>& characters, const LayoutRequest& request) {
  const std::optional<PictureSize>& size = request.size;
  const int count = placedCount(characters);
  if (count <= 1) return {alone(characters, size), ""};
  const WritingDirection direction = request.direction;
  const Lines lines = linesFor(characters, request);
  const Grid grid = gridOf(lines.text.lines, direction, lines.perLine);
  const int cell = size ? cellFitting(grid, *size) : std::min(kLargestDefaultCell, cellFitting(grid, kDefaultLayoutBounds));
  if (cell < kSmallestCell) {
    return {{}, filledIn(userText("Writing", "%1 characters do not fit: their cells would be %2 pixels (at least %3)"),
                         {std::to_string(count), std::to_string(cell), std::to_string(kSmallestCell)})};
  }
  const int margin = 2 * marginOf(cell);
  LaidOut laid{size.value_or(PictureSize{grid.columns * cell + margin, grid.rows * cell + margin}), {}, Framing::EmBox};
  for (const LinePlace& place : lines.text.places) {
    laid.cells.push_back(place.placed ? cellAt(place, grid, direction, cell, laid.picture) : PixelRect{});
  }
  return {laid, ""};
}

LayoutResult layOut(int count, const LayoutRequest& request) {
  return layOutText(std::vector<std::string>(static_cast<std::size_t>(std::max(count, 0)), std::string("字")), request);
}

}  // namespace sumimai
