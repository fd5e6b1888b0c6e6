// From a stroke's outline and rough centre line to the path of a round brush:
// points along the middle of the stroke with, at each, the radius of the
// largest circle centred there that stays inside the outline. The union of
// those circles is the brush's trace; it never passes the outline.
#pragma once

#include <vector>

#include "glyph.h"

namespace sumimai::strokes {

struct BrushPoint {
  Point2 at;
  double radius = 0;
};

using BrushPath = std::vector<BrushPoint>;

struct TraceOptions {
  double step = 2.0;         // spacing of the samples, source units
  double reach = 120.0;      // how far an end of the centre line is extended to find the tip
  int smoothing = 3;         // samples on each side averaged when moving points to the middle
  double tipTolerance = 1.5; // how short of the tip (or a corner) an end disc may stay
  double sharpTurnCos = 0.5; // turns of the centre line sharper than 60 degrees reach into the corner
};

// Samples the centre line, extended at both ends to where it crosses the
// outline (the stroke's tips), moves each sample to the middle of the
// stroke's cross-section across the line, and measures its radius. The ends
// are then moved inward as far as the end disc still reaches the tip, so a
// round end is one full disc and a pointed end tapers to it. At a sharp turn
// of the centre line the path reaches into the outline's outer corner the
// same way. Always at least two points.
BrushPath traceStroke(const SourceStroke& stroke, const TraceOptions& options = {});

}  // namespace sumimai::strokes
