#include "export_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "drawing/drawing_pace.h"
#include "drawing/raster/ink_only_canvas.h"
#include "export/compositing.h"

namespace sumimai::testing {
namespace {

class RecordingCellCanvas : public RecordingCanvas, public CellCanvas {
 public:
  void place(SizeF canvas, PixelRect) override { setSize(canvas); }
};

void replay(const CanvasCall& call, Canvas& canvas) {
  if (auto* r = std::get_if<Ring>(&call)) canvas.drawRing(*r);
  if (auto* l = std::get_if<LineCall>(&call)) canvas.drawLine(l->from, l->to, l->colour);
  if (std::holds_alternative<ClearCall>(call)) canvas.clear();
  if (auto* q = std::get_if<RectangleCall>(&call)) {
    if (q->filled) canvas.fillRectangle(q->corner1, q->corner2, q->colour);
    else canvas.drawRectangle(q->corner1, q->corner2, q->colour);
  }
}

}  // namespace

std::string smallCharacterFile() {
  return "small\r\n"
         "1,1000,2000,3000,2000,1,25,,,,\r\n"
         "2,2000,1000,2000,3500,1,30,,,,\r\n"
         "3,2000,3500,1600,3200,2,10,,,,\r\n"
         "99999\r\n99999\r\n";
}

StrokeSource smallCharacter() {
  return {StrokeSource::Kind::StrokeFile, "small.mem", std::nullopt, smallCharacterFile(), {}, {}};
}

ExportRequest requestFor(const std::vector<StrokeSource>& characters, PictureSize size, const std::string& output,
                         WritingDirection direction) {
  ExportRequest r;
  Composed composed = composeSources(characters, {direction, std::nullopt, size});
  EXPECT_TRUE(composed.ok()) << composed.problem;
  r.composition = std::move(composed.composition);
  r.output = output;
  return r;
}

RecordedDrawing recordDrawing(const ExportRequest& request) {
  RecordingCellCanvas canvas;
  drawRequest(request, canvas);
  return {canvas.calls, canvas.outerSize()};
}

RgbImage pictureAfter(const RecordedDrawing& drawing, std::size_t n, const RgbImage& ground) {
  InkOnlyCanvas canvas(drawing.canvas);
  std::size_t drawn = 0;
  for (const CanvasCall& call : drawing.calls) {
    if (!std::holds_alternative<ClearCall>(call) && drawn++ == n) break;
    replay(call, canvas);
  }
  return composedStill(canvas.ink(), ground);
}

std::size_t callsShownBy(std::int64_t index, int fps, DrawingClock::Duration cost) {
  const std::int64_t time = index * 1'000'000'000;  // times fps
  const std::int64_t perCall = cost.count() * fps;
  return static_cast<std::size_t>((time + perCall - 1) / perCall);
}

std::int64_t framesCovering(DrawingClock::Duration length, int fps) {
  const long double frames = std::ceil(static_cast<long double>(length.count()) * fps / 1e9L);
  return std::max<std::int64_t>(1, static_cast<std::int64_t>(frames));
}

std::int64_t frameTime(std::int64_t index, int fps, int unitsPerSecond) {
  return std::llround(static_cast<long double>(index) * unitsPerSecond / fps);
}

::testing::AssertionResult samePicture(const RgbImage& a, const RgbImage& b) {
  if (a.width != b.width || a.height != b.height) {
    return ::testing::AssertionFailure() << "sizes " << a.width << "x" << a.height << " and " << b.width << "x"
                                         << b.height;
  }
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (a.at(x, y) != b.at(x, y)) {
        return ::testing::AssertionFailure() << std::hex << "pixel " << std::dec << x << "," << y << ": " << std::hex
                                             << a.at(x, y) << " and " << b.at(x, y);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace sumimai::testing
