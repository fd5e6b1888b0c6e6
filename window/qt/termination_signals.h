// SIGTERM, SIGHUP and SIGINT as requests to end the program: what a desktop
// sends when the session ends, and a terminal when it closes or the user
// presses Ctrl+C. The signal handler only records the signal and writes a
// byte to a pipe; the event loop then runs onSignal. A drawing does not
// return to the event loop, so the pacing of the screen asks received()
// between frames. A second signal of the same kind ends the program at once,
// as if none were caught.
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace sumimai {

class TerminationSignals {
 public:
  explicit TerminationSignals(std::function<void()> onSignal);
  ~TerminationSignals();
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  // Whether one of the signals has arrived since the program started.
  static bool received();

 private:
  std::function<void()> onSignal_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace sumimai
