// The two runs of the trace tool: one character's pipeline and the page's,
// through the renderer's own code against a canvas (a recording one, or a
// raster for pictures).
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "data_files/settings_file.h"
#include "data_files/stroke_table.h"
#include "drawing/canvas.h"

namespace sumimai {

struct TraceResult {
  StrokeCountValue StrokeCount;
  double CurrentThickness = 0;
  std::vector<std::string> messages;  // files not read whole: "FILE / what is wrong"
  bool blank = false;  // the records cannot be seen at this size: the drawing is blank
};

// The canvas is canvas (twips) and the main window 30 twips narrower and
// lower: the file read into the stroke table, then 拡大縮小2, 補正2, クリア and
// 描画. A file that is missing or damaged, or whose records cannot be seen
// at this size, is named in messages.
TraceResult traceCharacter(const std::filesystem::path& file, SizeF canvas, double speed,
                           const InkColour& ink, Canvas& recorder);

// The main window is form (twips) and the canvas 30 twips wider and taller:
// the page load, the grid box, 拡大縮小, 補正, クリア, the grid, then 描画2 with
// ink as the settings colour.
TraceResult tracePage(const std::filesystem::path& file, SizeF form, const InkColour& ink,
                      Canvas& recorder);

}  // namespace sumimai
