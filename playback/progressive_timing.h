// The timing of a composition worked out a few characters at a time, so
// that writing can begin before a long text is timed through: each
// character is timed alone (its drawing does not depend on the ones before
// it) and placed after the one before.
#pragma once

#include <chrono>
#include <cstddef>

#include "writing/composition_timing.h"

namespace sumimai {

class ProgressiveTiming {
 public:
  ProgressiveTiming(const Composition& composition, DrawingStyle style,
                    DrawingClock::Duration callCost = kDrawingCallCost);

  // Times further characters until `budget` of real time is spent (at least
  // one). Returns true once every character is timed.
  bool timeMore(std::chrono::steady_clock::duration budget);
  void timeAll() { timeMore(std::chrono::hours(1)); }
  bool complete() const { return timed_ == composition_.characters.size(); }
  std::size_t timedCharacters() const { return timed_; }

  // The characters timed so far (the rest stand at the end of the last one
  // timed), and the total of those.
  const CompositionTiming& timing() const { return timing_; }

 private:
  void timeNext();

  const Composition& composition_;
  DrawingStyle style_;
  DrawingClock::Duration cost_;
  CompositionTiming timing_;
  std::size_t timed_ = 0;
};

}  // namespace sumimai
