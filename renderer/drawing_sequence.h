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

// How a character is placed in the window a canvas stands for.
enum class Framing {
  AsTheMainWindow,  // as the main window fits it: fitCharacter to the window's canvas, which
                    // leaves it 120 twips left of and 225 above the centre (room for the command row)
  Centred,          // fitIntoBox into the window itself, with the program's margin
  EmBox,            // the character's design box (kEmBox) set into the window (fitEmBox), as text is set
};

// The design box of the converted characters, in stroke file units (the
// source's 1024-unit box at 10 file units each), and the share of its cell
// it takes: the rest is the room between neighbouring characters.
inline constexpr double kEmBox = 10240;
inline constexpr double kEmBoxShare = 0.92;

// What a drawing leaves of the brush's values (the main window keeps them;
// other drawings may look at them).
struct BrushEnd {
  StrokeCountValue StrokeCount;
  double CurrentThickness = 0;
};

// The character fitted for a window of `window` twips, as framing says.
void fitForWindow(StrokeTable& table, const StrokeCountValue& StrokeCount, SizeF window, Framing framing);

// A fitted table drawn as a window draws it: クリア, then 描画 at Speed, its
// pauses bounded by the window; watch is told of each slot. The canvas is
// the window's (window_canvas.h), sized by the caller.
BrushEnd drawFitted(const StrokeTable& table, Canvas& canvas, SizeF window, double Speed, const InkColour& ink,
                    const RecordWatch& watch = {});

// fitForWindow then drawFitted: one call for every drawing of a character
// that is not the main window's own.
BrushEnd drawInWindow(StrokeTable table, const StrokeCountValue& StrokeCount, Canvas& canvas, SizeF window,
                      Framing framing, double Speed, const InkColour& ink);

// The grid box put at its place before fitting, then 拡大縮小 to the canvas
// and 補正 to the main window, with the page strokes; returns the fitted box.
GridBox fitPage(PageStrokeTable& table, const StrokeCountValue& StrokeCount, DrawingTarget target);

// クリア, the page grid, then 描画2 of the fitted page.
void drawFittedPage(const PageStrokeTable& table, const GridBox& grid, Canvas& canvas,
                    const DrawSettings& settings, InkColour& ink, BrushState state);

}  // namespace sumimai
