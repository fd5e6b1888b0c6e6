#include "pacer.h"

#include <thread>

namespace sumimai {

Pacer::Timing Pacer::systemTiming() {
  return {[] { return RealClock::now(); }, [](Duration d) { std::this_thread::sleep_for(d); }};
}

Pacer::Pacer(Timing timing, Duration frame, Duration maxLag)
    : timing_(std::move(timing)), frame_(frame), maxLag_(maxLag) {}

void Pacer::anchorAt(RealClock::time_point now, Duration charged) {
  anchored_ = true;
  realAnchor_ = now;
  chargedAnchor_ = charged;
}

void Pacer::waitForRealTime(Duration charged) {
  presented_ = charged;
  RealClock::time_point now = timing_.now();
  if (!anchored_ || charged < chargedAnchor_) {
    // The first frame (or a clock that was replaced): pace from here on.
    anchorAt(now, charged);
    return;
  }
  RealClock::time_point due = realAnchor_ + (charged - chargedAnchor_);
  if (now < due) {
    Duration wait = due - now;
    waited_ += wait;
    timing_.sleep(wait);
  } else if (now - due > maxLag_) {
    anchorAt(now, charged);
  }
}

}  // namespace sumimai
