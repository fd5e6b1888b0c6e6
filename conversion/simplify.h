// Thinning brush paths to few points: the renderer draws a straight segment
// between two kept points with the radius changing evenly along it, so a
// point can go when that segment stays within a tolerance of it.
#pragma once

#include <vector>

#include "brush_trace.h"

namespace sumimai::strokes {

// How far the segment from a to b, with its radius going evenly from a's to
// b's, misses p: the distance from p to its foot on the segment plus the
// difference of the radii there (how far the brush's edge moves).
double brushDeviation(const BrushPoint& a, const BrushPoint& b, const BrushPoint& p);

// Douglas-Peucker on (x, y, radius) with brushDeviation: the first and last
// points always stay, and a point is kept only at least minSpacing from the
// kept points on either side of it, so that no segment is too short to draw.
BrushPath simplifyPath(const BrushPath& path, double tolerance, double minSpacing);

struct Simplified {
  std::vector<BrushPath> strokes;
  std::vector<bool> stillStart;  // per stroke: begins with a still record (see stroke_records.h)
  double tolerance = 0;          // the largest deviation left (at least the tolerance asked for)
  int records = 0;               // stroke records over all strokes
};

// Spends a budget of stroke records over all strokes of a character at
// once. Every stroke keeps its two ends and costs one record per segment;
// then, as long as the budget lasts, whatever is missed most over all
// strokes is bought next, until nothing is missed by more than minTolerance:
// the point that a segment misses most (so bends, curves and changes of
// width get the points wherever they are), or a still start record for a
// stroke whose start radius the previous stroke's end radius misses. With
// StillStarts::Always every stroke has its still record from the start
// (where the previous stroke is not the one before it in the list, as on
// the page). If even one segment a stroke exceeds the budget, that is what
// is returned.
enum class StillStarts { AsNeeded, Always };
Simplified simplifyToBudget(const std::vector<BrushPath>& strokes, int budget, double minTolerance,
                            double minSpacing, StillStarts stillStarts = StillStarts::AsNeeded);

}  // namespace sumimai::strokes
