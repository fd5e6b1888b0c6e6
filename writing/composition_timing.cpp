#include "composition_timing.h"

#include "counting_canvas.h"

namespace sumimai {
namespace {

// Notes the clock at each character's ends and at the first slot of each
// of its strokes.
class TimingWatch : public DrawingWatch {
 public:
  TimingWatch(const Composition& composition, const DrawingClock& clock, CompositionTiming& timing)
      : composition_(composition), clock_(clock), timing_(timing) {}

  void characterBegins(std::size_t index) override {
    timing_.characters[index].start = clock_.charged();
    spans_ = strokeSpans(*composition_.characters[index].strokes);
    next_ = 0;
  }
  void slotReached(std::size_t index, int slot) override {
    if (next_ >= spans_.size() || slot != spans_[next_].first) return;
    std::vector<StrokeTiming>& strokes = timing_.characters[index].strokes;
    if (!strokes.empty()) strokes.back().end = clock_.charged();
    strokes.push_back({clock_.charged(), clock_.charged()});
    ++next_;
  }
  void characterEnds(std::size_t index) override {
    CharacterTiming& character = timing_.characters[index];
    character.end = clock_.charged();
    if (!character.strokes.empty()) character.strokes.back().end = character.end;
  }

 private:
  const Composition& composition_;
  const DrawingClock& clock_;
  CompositionTiming& timing_;
  std::vector<StrokeSpan> spans_;
  std::size_t next_ = 0;
};

}  // namespace

CompositionTiming timeComposition(const Composition& composition, const DrawingStyle& style,
                                  DrawingClock::Duration callCost) {
  CompositionTiming timing;
  timing.characters.resize(composition.characters.size());
  CountingCanvas canvas;
  canvas.clock().setCallCost(callCost);
  TimingWatch watch(composition, canvas.clock(), timing);
  drawComposition(composition, canvas, style, &watch);
  // A character not drawn stands where the drawing had come to.
  DrawingClock::Duration at{0};
  for (std::size_t i = 0; i < timing.characters.size(); ++i) {
    CharacterTiming& c = timing.characters[i];
    if (!composition.characters[i].strokes) c.start = c.end = at;
    at = c.end;
  }
  timing.total = canvas.clock().charged();
  return timing;
}

}  // namespace sumimai
