#include "cell_picture.h"

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

}  // namespace

CellPicture cellPicture(const CharacterStrokes& strokes, int side, const std::vector<InkedStrokes>& layers) {
  LayeredCanvas canvas;
  const PixelRect cell{0, 0, side, side};
  const Framing framing = framingOf(Framing::EmBox, strokes);
  for (const InkedStrokes& layer : layers) {
    if (layer.strokes.last < layer.strokes.first) continue;
    const InkColour ink{double(layer.colour.red), double(layer.colour.green), double(layer.colour.blue)};
    drawCharacterInCell(strokes, cell, framing, canvas, {0, ink}, layer.strokes);
  }
  canvas.settleInk();
  const InkLayer& ink = canvas.ink();
  std::vector<std::uint32_t> layer(static_cast<std::size_t>(ink.width()) * ink.height(), 0xFFFFFFFFu);
  ink.compositeOnto(layer.data(), ink.width(), {0, 0, ink.width(), ink.height()});
  CellPicture picture{side, std::vector<std::uint32_t>(static_cast<std::size_t>(side) * side, 0xFFFFFFFFu)};
  const int rows = std::min(side, ink.height()), columns = std::min(side, ink.width());
  for (int y = 0; y < rows; ++y) {
    std::copy_n(layer.begin() + static_cast<std::ptrdiff_t>(y) * ink.width(), columns,
                picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * side);
  }
  return picture;
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
