// The sutra page: its grid, its strokes drawn at full speed (描画2), and the
// start-up pause.
#pragma once

#include "brush.h"
#include "data_files/settings_file.h"
#include "data_files/stroke_table.h"
#include "grid_box.h"
#include "drawing/canvas.h"

namespace sumimai {

// Sets the ink to the colour of the settings, then draws slots 1.. of the page
// up to its end mark (or through slot 20000) with the brush: no pen-lift
// pauses, no stroke-start pauses, no pacing rings. A segment shorter than one
// canvas unit (no whole step) draws nothing.
void 描画2(const PageStrokeTable& table, Canvas& canvas, const DrawSettings& settings,
           InkColour& ink, BrushState state);

// 28 columns and 10 rows of lines in RGB(200, 200, 0) and the outline of the
// box in RGB(250, 250, 0).
void drawPageGrid(Canvas& canvas, const GridBox& grid);

// 20000 black circles of radius 10000 just right of the canvas: a pause that
// shows nothing.
void startUpPause(Canvas& canvas);

}  // namespace sumimai
