// How much time one drawing call stands for. Drawing calls cost next to
// nothing here, so every call is charged a fixed virtual cost on the
// canvas's clock and a canvas on screen keeps the screen in step with it:
// pauses made of off-canvas calls, pacing rings and Speed take visible time.
#pragma once

#include <chrono>

#include "drawing_clock.h"

namespace sumimai {

// The cost of one call while a character is written (and during the
// start-up pauses).
inline constexpr DrawingClock::Duration kDrawingCallCost = std::chrono::nanoseconds(15000);

// The cost of one call while the whole page is drawn: the page holds far more
// rings than a character and is drawn at full speed, yet still progressively.
inline constexpr DrawingClock::Duration kPageDrawingCallCost = std::chrono::nanoseconds(1500);

// Charges calls at another cost for as long as it lives.
class ScopedCallCost {
 public:
  ScopedCallCost(DrawingClock& clock, DrawingClock::Duration cost) : clock_(clock), saved_(clock.callCost()) {
    clock_.setCallCost(cost);
  }
  ~ScopedCallCost() { clock_.setCallCost(saved_); }
  ScopedCallCost(const ScopedCallCost&) = delete;
  ScopedCallCost& operator=(const ScopedCallCost&) = delete;

 private:
  DrawingClock& clock_;
  DrawingClock::Duration saved_;
};

}  // namespace sumimai
