// Keeps a drawing in step with real time. Drawing calls are charged a virtual
// cost on the canvas's clock (drawing_clock.h); the pacer says when the
// charged time has run a frame ahead of the last presentation and then waits
// until real time has caught up, so that a canvas presents at about display
// rate and never once per call.
//
// The pacer holds an anchor: a real time and the charged time that belongs to
// it. Charged time past the anchor is due that much real time past it. When
// real time has run ahead of the charged time by more than the allowed lag
// (the canvas sat idle between two drawings, a message box was open), the
// anchor moves to the present, so no debt accumulates and the next drawing
// is paced from where it starts. A smaller lag (a slow presentation) is
// caught up by not waiting until the charged time is ahead again.
#pragma once

#include <chrono>
#include <functional>

namespace sumimai {

class Pacer {
 public:
  using RealClock = std::chrono::steady_clock;
  using Duration = std::chrono::nanoseconds;

  // Where real time comes from; tests inject a fake clock.
  struct Timing {
    std::function<RealClock::time_point()> now;
    std::function<void(Duration)> sleep;
  };
  static Timing systemTiming();

  static constexpr Duration kFrame = std::chrono::nanoseconds(1'000'000'000 / 60);
  static constexpr Duration kMaxLag = std::chrono::milliseconds(100);

  explicit Pacer(Timing timing = systemTiming(), Duration frame = kFrame, Duration maxLag = kMaxLag);

  // Whether the clock, having charged this much in all, has run a frame
  // ahead of the last presentation: then call waitForRealTime and present.
  bool due(Duration charged) const { return charged - presented_ >= frame_ || charged < presented_; }

  // Waits until real time has caught up with the charged time (or moves the
  // anchor when real time is far ahead), and records that charged time as
  // presented.
  void waitForRealTime(Duration charged);

  // How much the pacer has waited in all (for reports).
  Duration waited() const { return waited_; }

 private:
  void anchorAt(RealClock::time_point now, Duration charged);

  Timing timing_;
  Duration frame_;
  Duration maxLag_;
  bool anchored_ = false;
  RealClock::time_point realAnchor_{};
  Duration chargedAnchor_{0};
  Duration presented_{0};
  Duration waited_{0};
};

}  // namespace sumimai
