// An export from start to end: the writing drawn on the frame canvas at the
// programs' own pace, its frames handed to the writer of the file's kind,
// the file written under a temporary name and renamed into place when
// complete. The command-line exporter and the main window's save key both
// export through it.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "drawing/drawing_clock.h"
#include "drawing/ink_brush/brush_choice.h"
#include "ground.h"
#include "writers.h"
#include "writing/composition.h"
#include "writing/page_writing.h"

namespace sumimai {

struct ExportRequest {
  Composition composition;  // the characters in their cells, and the picture's size
  std::shared_ptr<const PageStrokes> page;  // when set, the page alone over the whole picture
  DrawingStyle style;
  BrushChoice brush;  // the round brush, or the ink brush and its seed
  Ground ground;
  int fps = 30;
  DrawingClock::Duration hold = std::chrono::milliseconds(1500);  // the finished writing stays this long
  bool loop = true;
  std::optional<int> quality;
  std::filesystem::path output;  // its extension names the kind
  std::function<void(std::int64_t frame)> progress;  // after each frame handed over
};

struct ExportSummary {
  std::int64_t frames = 0;
  DrawingClock::Duration drawing{0};  // the time the drawing charged
};

// Writes the file. Throws ExportError naming the problem; then no file is
// left at the output's place (an older one stays as it was). A transparent
// ground that the kind cannot hold is written in the ground's colour.
ExportSummary exportWriting(const ExportRequest& request);

// How many frames the export will have: the writing run on a canvas that
// only counts its calls (quick: no pixels).
std::int64_t countFrames(const ExportRequest& request);

// How long the drawing lasts, the hold not counted (counted as countFrames counts).
DrawingClock::Duration drawingTime(const ExportRequest& request);
// Puts the brush on a canvas drawn over this ground (picture: the ground
// made into pixels); the ink brush takes the grain of the ground's picture
// when there is one.
void useBrushOver(const BrushChoice& brush, const Ground& ground, const RgbImage& picture, RasterCanvas& canvas);
// The same with the request's brush and ground.
void useRequestBrush(const ExportRequest& request, const RgbImage& ground, RasterCanvas& canvas);

// What the request writes drawn on a canvas: the page, or the composition.
void drawRequest(const ExportRequest& request, CellCanvas& canvas);

}  // namespace sumimai
