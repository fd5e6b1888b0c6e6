// One segment of brush work, shared by the character and the page drawing.
#pragma once

#include <cstdint>

#include "window_services/canvas.h"

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

}  // namespace sumimai
