// The brush: 描画 writes the current character with rings, paced by Speed;
// 空間 is the pause before each new stroke.
#pragma once

#include <functional>

#include "data_files/settings_file.h"
#include "data_files/stroke_table.h"
#include "drawing/canvas.h"

namespace sumimai {

// Where the brush draws: the canvas, and the outer size of the main window
// (twips), which bounds the stroke-start pause.
struct DrawingTarget {
  Canvas& canvas;
  SizeF form;
};

// The main-window values the brush writes.
struct BrushState {
  double& CurrentThickness;
  StrokeCountValue& StrokeCount;
};

// Draws slots 1.. of the table up to its end mark (or through slot 100) in
// the ink colour: each drawn record is a segment painted by rings whose radius
// goes evenly from the previous record's thickness to its own. A new stroke
// (Kind 1) after the first record first waits 5 off-canvas rings per unit of
// pen-lift distance, and, unless Speed is 0, runs 空間; every brush step adds
// Speed pacing rings. Speed counts as its whole part, held to 0..100 (a
// negative or not-a-number Speed paces nothing).
void 描画(const StrokeTable& table, DrawingTarget target, double Speed, const InkColour& ink,
          BrushState state);

// Told of each slot 描画 comes to, before its pause and its rings: how a
// drawing's strokes are timed on the canvas's clock.
using RecordWatch = std::function<void(int slot)>;

// 描画, telling watch of each slot on the way.
void 描画(const StrokeTable& table, DrawingTarget target, double Speed, const InkColour& ink,
          BrushState state, const RecordWatch& watch);

// 1000 x Speed white rectangle outlines from (-10, -10) to the main window's
// outer size: outside what the window shows, they only take time.
void 空間(DrawingTarget target, double Speed);

}  // namespace sumimai
