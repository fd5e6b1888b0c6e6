// When each character and each stroke of a composition is written, on the
// drawing clock (drawing/drawing_clock.h) of a drawing that starts at 0:
// what a window needs to scrub through a writing or to step from stroke to
// stroke, and what an export's length is. A stroke's time begins as the
// brush comes to its first record, so that the pen-lift pause before it is
// its own, and ends where the next stroke's begins (the last: where its
// character ends).
#pragma once

#include <vector>

#include "cell_drawing.h"
#include "drawing/drawing_clock.h"
#include "drawing/drawing_pace.h"

namespace sumimai {

struct StrokeTiming {
  DrawingClock::Duration start{0}, end{0};
};

struct CharacterTiming {
  DrawingClock::Duration start{0}, end{0};  // both where the drawing stands for a character not drawn
  std::vector<StrokeTiming> strokes;         // one per stroke of strokeSpans()
};

struct CompositionTiming {
  std::vector<CharacterTiming> characters;  // one per character of the composition
  DrawingClock::Duration total{0};
};

// The times of drawComposition at the style's speed, each call charged
// callCost.
CompositionTiming timeComposition(const Composition& composition, const DrawingStyle& style,
                                  DrawingClock::Duration callCost = kDrawingCallCost);

}  // namespace sumimai
