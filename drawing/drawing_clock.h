// The drawing clock: time measured in drawing work. Every canvas call is
// charged a fixed virtual cost; a canvas that paces its drawing keeps the
// screen in step with the time charged.
#pragma once

#include <chrono>
#include <cstdint>

namespace sumimai {

class DrawingClock {
 public:
  using Duration = std::chrono::nanoseconds;

  void setCallCost(Duration cost) { cost_ = cost; }
  Duration callCost() const { return cost_; }

  // Charges one call; returns the time charged in all so far.
  Duration charge() {
    charged_ += cost_;
    ++calls_;
    return charged_;
  }
  Duration charged() const { return charged_; }
  std::uint64_t calls() const { return calls_; }

 private:
  Duration cost_{0};
  Duration charged_{0};
  std::uint64_t calls_ = 0;
};

}  // namespace sumimai
