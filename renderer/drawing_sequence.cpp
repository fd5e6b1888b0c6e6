#include "drawing_sequence.h"

#include "clearing.h"
#include "fitting.h"
#include "page_drawing.h"
#include "window_canvas.h"

namespace sumimai {

void fitCharacter(StrokeTable& table, const StrokeCountValue& StrokeCount, SizeF canvas) {
  拡大縮小2(table, canvas);
  補正2(table, StrokeCount, canvas);
}

void drawCharacter(StrokeTable& table, DrawingTarget target, double Speed, const InkColour& ink,
                   BrushState state) {
  fitCharacter(table, state.StrokeCount, target.canvas.outerSize());
  クリア(target.canvas);
  描画(table, target, Speed, ink, state);
}

void fitForWindow(StrokeTable& table, const StrokeCountValue& StrokeCount, SizeF window, Framing framing) {
  if (framing == Framing::Centred) return fitIntoBox(table, StrokeCount, window);
  if (framing == Framing::EmBox) return fitEmBox(table, StrokeCount, window, kEmBox, kEmBoxShare);
  fitCharacter(table, StrokeCount, canvasOfWindow(window));
}

BrushEnd drawFitted(const StrokeTable& table, Canvas& canvas, SizeF window, double Speed, const InkColour& ink,
                    const RecordWatch& watch) {
  BrushEnd end;
  クリア(canvas);
  描画(table, {canvas, window}, Speed, ink, {end.CurrentThickness, end.StrokeCount}, watch);
  return end;
}

BrushEnd drawInWindow(StrokeTable table, const StrokeCountValue& StrokeCount, Canvas& canvas, SizeF window,
                      Framing framing, double Speed, const InkColour& ink) {
  fitForWindow(table, StrokeCount, window, framing);
  return drawFitted(table, canvas, window, Speed, ink);
}

GridBox fitPage(PageStrokeTable& table, const StrokeCountValue& StrokeCount, DrawingTarget target) {
  GridBox grid = kPageGridBox;
  拡大縮小(table, StrokeCount, grid, target.canvas.outerSize());
  補正(table, StrokeCount, grid, target.form);
  return grid;
}

void drawFittedPage(const PageStrokeTable& table, const GridBox& grid, Canvas& canvas,
                    const DrawSettings& settings, InkColour& ink, BrushState state) {
  クリア(canvas);
  drawPageGrid(canvas, grid);
  描画2(table, canvas, settings, ink, state);
}

}  // namespace sumimai
