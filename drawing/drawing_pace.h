// How much time one drawing call stands for. Drawing calls cost next to
// nothing here, so every call is charged a fixed virtual cost on the
// canvas's clock and a canvas on screen keeps the screen in step with it:
// pauses made of off-canvas calls, pacing rings and Speed take visible time.
#pragma once

#include <chrono>

#include "drawing_clock.h"

namespace sumimai {

// The cost of one call while a character is written (and during the
// start-up pauses). On a 1920 x 1080 screen a typical character at Speed 0
// then takes 2 to 4 seconds (with the shipped data 般 about 263000 calls,
// 3.95 s; 心 about 139000 calls, 2.09 s), Speed 10 3.3 to 3.8 times as long,
// and a start-up pause of 20000 circles 0.3 s. Only costs of about 14.4 to
// 15.2 us keep both characters within 2 to 4 seconds.
// bench/pacing/report.sh prints the figures.
inline constexpr DrawingClock::Duration kDrawingCallCost = std::chrono::nanoseconds(15000);

// The cost of one call while the whole page is drawn: the page holds far more
// rings than a character and is drawn at full speed, yet still progressively
// (the shipped page: about 1030000 calls, 1.5 s).
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
