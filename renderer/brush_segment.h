// One segment of brush work, shared by the character and the page drawing.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

#include "data_files/stroke_table.h"
#include "drawing/canvas.h"

namespace sumimai {

struct BrushSegment {
  double sx, sy, ex, ey;  // start and end point, canvas twips
  double startRadius;     // the previous record's thickness
  double endRadius;       // this record's thickness, at least 1
};

// The number of brush steps of a segment of real length: its whole part,
// held to the step limit of the canvas.
std::int64_t brushSteps(double adx, double ady, SizeF canvas);

// The most steps (and start-disc rings) a segment may take on this canvas:
// far more than any segment that lies on it needs, so that a table full of
// huge values still finishes in bounded time.
std::int64_t stepLimit(SizeF canvas);

// Draws a segment of `steps` steps (at least 1): the start disc (rings of
// radius 1.. up to the start radius) at the start, then per step one
// footprint ring and `pacingRings` rings of radius 1, 2, ... at the brush
// position.
void drawBrushSegment(Canvas& canvas, const BrushSegment& segment, std::int64_t steps,
                      int pacingRings, Rgb colour);

// The brush's way through one table walk: the end point of the last record
// whose kind is drawn (a segment of Kind 2 starts there), from (0, 0).
struct BrushWalk {
  double previousX = 0, previousY = 0;
};

// Kinds 1, 2 and negative kinds are drawn; 0 and 3 upwards are not.
template <typename Number>
bool isDrawnKind(Number kind) { return kind < kUndrawnRecord && kind != 0; }

struct SegmentWork {
  BrushSegment segment;
  std::int64_t steps;
};

// The brush work of record r (previous is the slot before it): nothing when
// its kind is not drawn or its segment has no whole step. A drawn record
// moves the walk's end point, and raises CurrentThickness from 0 to 1 when
// its segment has length.
template <typename Record>
std::optional<SegmentWork> segmentOf(const Record& r, const Record& previous, BrushWalk& walk,
                                     double& CurrentThickness, SizeF canvas) {
  if (!isDrawnKind(r.Kind)) return std::nullopt;
  double sx = r.StartX, sy = r.StartY;
  if (r.Kind == kStrokeGoesOn) sx = walk.previousX, sy = walk.previousY;
  walk.previousX = r.EndX, walk.previousY = r.EndY;
  const double adx = std::fabs(sx - r.EndX), ady = std::fabs(sy - r.EndY);
  if (adx == 0 && ady == 0) return std::nullopt;
  const std::int64_t steps = brushSteps(adx, ady, canvas);
  if (CurrentThickness == 0) CurrentThickness = 1;
  if (steps == 0) return std::nullopt;
  return SegmentWork{{sx, sy, static_cast<double>(r.EndX), static_cast<double>(r.EndY),
                      static_cast<double>(previous.Thickness), CurrentThickness},
                     steps};
}

}  // namespace sumimai
