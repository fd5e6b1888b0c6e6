// Fitting simplified brush paths to the outlines they follow. The brush
// inks each segment as the hull of the discs at its ends (the radius goes
// evenly from one to the other), so the points and radii the simplification
// took from the traced middle line are not the best it can do with those
// records: a segment spanning a curve, a tip, a corner or a stroke that
// swells and thins covers more with its points moved and its radii
// changed. Each point is moved and its radius changed in ever smaller steps
// as long as the pixels of its stroke covered, less the ink outside, grow.
#pragma once

#include <vector>

#include "glyph.h"
#include "simplify.h"

namespace sumimai::strokes {

struct FitOptions {
  double cell = 2.0;          // pixel side, source units
  double inkReach = 0.9;      // how far the ink reaches past the brush's radius, source units
  double outsideCost = 1.0;   // a pixel inked outside the glyph, against one of the stroke covered
  double otherCost = 0.5;     // a pixel inked on another stroke only
  std::vector<double> steps{4, 2, 1};  // the sizes of the moves, source units
  int sweeps = 3;             // passes over a stroke's points per step size, at most
};

// Fits every stroke of `simplified` (made from glyph's strokes, in their
// order) in place, the strokes in writing order: a stroke without a still
// record starts with the radius the previous one ends with.
void fitToOutlines(const GlyphRead& glyph, Simplified& simplified, const FitOptions& options = {});

}  // namespace sumimai::strokes
