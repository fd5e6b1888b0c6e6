#include "progressive_timing.h"

namespace sumimai {

ProgressiveTiming::ProgressiveTiming(const Composition& composition, DrawingStyle style,
                                     DrawingClock::Duration callCost)
    : composition_(composition), style_(style), cost_(callCost) {
  timing_.characters.resize(composition.characters.size());
}

void ProgressiveTiming::timeNext() {
  const PlacedCharacter& placed = composition_.characters[timed_];
  CharacterTiming& t = timing_.characters[timed_];
  const DrawingClock::Duration at = timing_.total;
  t = {at, at, {}};
  if (placed.strokes) {
    Composition one;
    one.picture = composition_.picture;
    one.framing = composition_.framing;
    one.characters.push_back(placed);
    const CharacterTiming alone = timeComposition(one, style_, cost_).characters[0];
    t.start = at + alone.start;
    t.end = at + alone.end;
    for (const StrokeTiming& s : alone.strokes) t.strokes.push_back({at + s.start, at + s.end});
  }
  timing_.total = t.end;
  ++timed_;
}

bool ProgressiveTiming::timeMore(std::chrono::steady_clock::duration budget) {
  const auto until = std::chrono::steady_clock::now() + budget;
  do {
    if (complete()) break;
    timeNext();
  } while (std::chrono::steady_clock::now() < until);
  // The characters not yet timed stand where the timing has come to.
  for (std::size_t i = timed_; i < timing_.characters.size(); ++i) {
    timing_.characters[i] = {timing_.total, timing_.total, {}};
  }
  return complete();
}

}  // namespace sumimai
