// The one sequence that puts a loaded table on a canvas: the fitting steps
// in their order, the clearing and the drawing. The main window, the tools,
// the fuzz checks and the benchmarks all draw through it.
#pragma once

#include "brush.h"
#include "data_files/settings_file.h"
#include "data_files/stroke_table.h"
#include "drawing/canvas.h"
#include "grid_box.h"

namespace sumimai {

// 拡大縮小2 then 補正2: the character scaled to 90% of the canvas about its
// origin, then moved near the canvas's centre.
void fitCharacter(StrokeTable& table, const StrokeCountValue& StrokeCount, SizeF canvas);

// fitCharacter to the target's canvas, クリア, then 描画 at Speed.
void drawCharacter(StrokeTable& table, DrawingTarget target, double Speed, const InkColour& ink,
                   BrushState state);

// The grid box put at its place before fitting, then 拡大縮小 to the canvas
// and 補正 to the main window, with the page strokes; returns the fitted box.
GridBox fitPage(PageStrokeTable& table, const StrokeCountValue& StrokeCount, DrawingTarget target);

// クリア, the page grid, then 描画2 of the fitted page.
void drawFittedPage(const PageStrokeTable& table, const GridBox& grid, Canvas& canvas,
                    const DrawSettings& settings, InkColour& ink, BrushState state);

}  // namespace sumimai
