// The sutra page written as start-up writes it: the page file's strokes
// and its grid, fitted to the whole picture, drawn at the page's call cost.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "cell_drawing.h"
#include "data_files/stroke_table.h"

namespace sumimai {

struct PageStrokes {
  PageStrokeTable table;
  StrokeCountValue count;
};

struct [[nodiscard]] PageLoaded {
  std::shared_ptr<const PageStrokes> page;
  std::string problem;  // when there is none: "FILE: what is wrong"
};

// The page file (般若心経.mem), refused unless it can be read whole.
PageLoaded loadPage(const std::filesystem::path& file);

// The page over `picture` (its canvas 30 twips larger), in the style's ink
// at full speed, each call charged kPageDrawingCallCost.
void drawPage(const PageStrokes& page, PixelRect picture, CellCanvas& canvas, const DrawingStyle& style);

}  // namespace sumimai
