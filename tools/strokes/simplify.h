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
// points always stay. Afterwards a kept point closer than minSpacing to the
// one before it goes (the last point stays, its predecessor goes instead), so
// that no segment is too short to draw; a path of two points stays whole.
BrushPath simplifyPath(const BrushPath& path, double tolerance, double minSpacing);

struct Simplified {
  std::vector<BrushPath> strokes;
  double tolerance = 0;  // the tolerance used
  int points = 0;        // points kept over all strokes
};

// Simplifies all strokes with one tolerance, the smallest not below
// minTolerance at which at most `budget` points are kept in all (found by
// bisection). If even two points a stroke exceed the budget, that is what
// is returned.
Simplified simplifyToBudget(const std::vector<BrushPath>& strokes, int budget, double minTolerance,
                            double minSpacing);

}  // namespace sumimai::strokes
