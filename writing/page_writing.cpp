#include "page_writing.h"

#include "core/user_language.h"
#include "data_files/stroke_file.h"
#include "drawing/drawing_pace.h"
#include "renderer/drawing_sequence.h"
#include "renderer/window_canvas.h"

namespace sumimai {

PageLoaded loadPage(const std::filesystem::path& file) {
  auto page = std::make_shared<PageStrokes>();
  StrokeFileRead read = readPageFile(file, page->table, page->count);
  if (read.ok()) return {std::move(page), ""};
  const std::string problem = read.status == StrokeFileStatus::Missing ? userText("Writing", "no such file") : read.problem;
  return {nullptr, file.string() + ": " + problem};
}

void drawPage(const PageStrokes& page, PixelRect picture, CellCanvas& canvas, const DrawingStyle& style) {
  const SizeF window = twipsOf({picture.width(), picture.height()});
  canvas.place(canvasOfWindow(window), picture);
  ScopedCallCost pageCost(canvas.clock(), kPageDrawingCallCost);
  PageStrokeTable table = page.table;
  StrokeCountValue count = page.count;
  double thickness = 0;
  const GridBox grid = fitPage(table, count, {canvas, window});
  const DrawSettings settings{0, style.ink.red, style.ink.green, style.ink.blue};
  InkColour ink = style.ink;
  drawFittedPage(table, grid, canvas, settings, ink, {thickness, count});
}

}  // namespace sumimai
