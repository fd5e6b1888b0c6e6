#include "cell_picture.h"

#include <algorithm>
#include <cmath>

#include "drawing/raster/ink_only_canvas.h"
#include "renderer/drawing_sequence.h"
#include "renderer/window_canvas.h"

namespace sumimai {
namespace {

// Keeps every layer: the drawing sequence clears its canvas before each
// drawing, and the layers of a cell are drawn one after another.
class LayeredCanvas : public InkOnlyCanvas, public CellCanvas {
 public:
  void place(SizeF canvas, PixelRect) override { setSize(canvas); }
  void clear() override {}
};

// The side of the unit square the stroke start is measured in, in twips:
// any size does, the fitting scales with it.
constexpr int kMeasureSide = 1000;

// How far along a stroke its direction is taken, in the unit square.
constexpr double kArrowReach = 0.15;

PointF unit(const StrokeRecord& r, bool end) {
  const double side = kMeasureSide * kTwipsPerPixel;
  return {static_cast<float>((end ? r.EndX : r.StartX) / side), static_cast<float>((end ? r.EndY : r.StartY) / side)};
}

double distance(PointF a, PointF b) { return std::hypot(a.x - b.x, a.y - b.y); }

void draw(const CharacterStrokes& strokes, int side, LayeredCanvas& canvas, const InkedStrokes& layer) {
  if (layer.strokes.last < layer.strokes.first) return;
  const InkColour ink{double(layer.colour.red), double(layer.colour.green), double(layer.colour.blue)};
  drawCharacterInCell(strokes, {0, 0, side, side}, framingOf(Framing::EmBox, strokes), canvas, {0, ink}, layer.strokes);
}

CellPicture pictureOf(const InkLayer& ink, int side) {
  CellPicture picture{std::min({side, ink.width(), ink.height()}), ink.width(),
                      std::vector<std::uint32_t>(static_cast<std::size_t>(ink.width()) * ink.height(), 0xFFFFFFFFu)};
  ink.compositeOnto(picture.pixels.data(), ink.width(), {0, 0, ink.width(), ink.height()});
  return picture;
}

}  // namespace

CellPicture cellPicture(const CharacterStrokes& strokes, int side, const std::vector<InkedStrokes>& layers,
                        const BrushChoice& brush) {
  LayeredCanvas canvas;
  canvas.setSize(canvasOfWindow(twipsOf({side, side})));
  useBrush(canvas, brush);
  for (const InkedStrokes& layer : layers) draw(strokes, side, canvas, layer);
  canvas.settleInk();
  return pictureOf(canvas.ink(), side);
}

std::vector<CellPicture> sequencePictures(const CharacterStrokes& strokes, int side, Rgb earlier, Rgb ink,
                                         const BrushChoice& brush) {
  const int count = static_cast<int>(strokeSpans(strokes).size());
  std::vector<CellPicture> pictures;
  const SizeF size = canvasOfWindow(twipsOf({side, side}));
  LayeredCanvas done, canvas;  // the strokes before the next, in `earlier`; then the next over them
  done.setSize(size);
  canvas.setSize(size);
  useBrush(done, brush);
  useBrush(canvas, brush);
  // Each picture is taken with its ink settled, and the next starts from
  // settled ink: a wet spread is never copied half-way.
  for (int k = 1; k <= count; ++k) {
    canvas.ink() = done.ink();
    draw(strokes, side, canvas, {StrokeSelection::only(k), ink});
    canvas.settleInk();
    pictures.push_back(pictureOf(canvas.ink(), side));
    draw(strokes, side, done, {StrokeSelection::only(k), earlier});
    done.settleInk();
  }
  return pictures;
}

StrokeStart strokeStartOf(const CharacterStrokes& strokes, int stroke) {
  const std::vector<StrokeSpan> spans = strokeSpans(strokes);
  if (stroke < 1 || stroke > static_cast<int>(spans.size())) return {};
  StrokeTable table = strokes.table;
  const SizeF window = twipsOf({kMeasureSide, kMeasureSide});
  fitForWindow(table, strokes.count, window, framingOf(Framing::EmBox, strokes));
  const StrokeSpan span = spans[static_cast<std::size_t>(stroke - 1)];
  const StrokeRecord& first = table[span.first];
  const PointF at = unit(first, false);  // a stroke's first record starts it after the pen lift
  PointF towards = at;
  for (int i = span.first; i <= span.last; ++i) {
    towards = unit(table[i], true);
    if (distance(at, towards) >= kArrowReach) break;
  }
  return {at, towards};
}

}  // namespace sumimai
