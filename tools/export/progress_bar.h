// A progress bar on a terminal: frames written of all, and the time left,
// redrawn in place a few times a second.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>

namespace sumimai {

class ProgressBar {
 public:
  ProgressBar(std::FILE* out, std::int64_t total);
  // Ends the line too, so that a message after a failure starts on its own.
  ~ProgressBar() { close(); }
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;
  // Frame `index` has been written.
  void update(std::int64_t index);
  // Ends the bar's line.
  void close();

 private:
  void draw(std::int64_t done);

  using Clock = std::chrono::steady_clock;
  std::FILE* out_;
  std::int64_t total_;
  Clock::time_point start_ = Clock::now();
  Clock::time_point drawn_{};
  bool open_ = false;
};

}  // namespace sumimai
