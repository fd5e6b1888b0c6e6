#include "page_drawing.h"

#include <cmath>

#include "brush_segment.h"
#include "core/page_grid.h"

namespace sumimai {
namespace {

PointF at(double x, double y) { return {static_cast<float>(x), static_cast<float>(y)}; }

}  // namespace

void 描画2(const PageStrokeTable& table, Canvas& canvas, const DrawSettings& settings,
           InkColour& ink, BrushState state) {
  ink = {settings.Red, settings.Green, settings.Blue};
  const Rgb colour = ringColour(ink);
  BrushWalk walk;
  for (int i = 1; i <= kPageSlots; ++i) {
    const PageStrokeRecord& r = table[i];
    if (r.StartX == StrokeTerminator) {
      state.StrokeCount = i;
      return;
    }
    state.CurrentThickness = r.Thickness;
    auto work = segmentOf(r, table[i - 1], walk, state.CurrentThickness, canvas.outerSize());
    if (work) drawBrushSegment(canvas, work->segment, work->steps, 0, colour);
  }
}

void drawPageGrid(Canvas& canvas, const GridBox& g) {
  constexpr Rgb kLines{200, 200, 0}, kBox{250, 250, 0};
  for (int i = 1; i <= kPageColumns; ++i) {
    double x = g.GridLeft + i * (g.GridRight - g.GridLeft) / kPageColumns;
    canvas.drawLine(at(x, g.GridTop), at(x, g.GridBottom), kLines);
  }
  for (int j = 1; j <= kPageRows; ++j) {
    double y = g.GridTop + j * (g.GridBottom - g.GridTop) / kPageRows;
    canvas.drawLine(at(g.GridLeft, y), at(g.GridRight, y), kLines);
  }
  canvas.drawRectangle(at(g.GridLeft, g.GridTop), at(g.GridRight, g.GridBottom), kBox);
}

void startUpPause(Canvas& canvas) {
  for (int i = 1; i <= 20000; ++i) {
    canvas.drawRing({{canvas.outerSize().width + 10000, static_cast<float>(i)}, 10000, {0, 0, 0}});
  }
}

}  // namespace sumimai
