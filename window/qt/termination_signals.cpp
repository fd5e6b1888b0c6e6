#include "termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace sumimai {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

volatile std::sig_atomic_t signalReceived = 0;
int wakeUp[2] = {-1, -1};  // the pipe: read end, write end

extern "C" void recordSignal(int) {
  int saved = errno;
  signalReceived = 1;
  char byte = 1;
  if (wakeUp[1] >= 0 && ::write(wakeUp[1], &byte, 1) < 0) {
    // A full pipe already holds a wake-up; the flag is set either way.
  }
  errno = saved;
}

void handleSignals(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  // The handler runs once; a second signal finds the default action again.
  action.sa_flags = SA_RESTART | (handler == SIG_DFL ? 0 : SA_RESETHAND);
  for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  if (wakeUp[0] < 0 && ::pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0) wakeUp[0] = wakeUp[1] = -1;
  if (wakeUp[0] >= 0) {
    notifier_ = std::make_unique<QSocketNotifier>(wakeUp[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
      char bytes[16];
      while (::read(wakeUp[0], bytes, sizeof bytes) > 0) {
      }
      if (onSignal_) onSignal_();
    });
  }
  handleSignals(recordSignal);
}

TerminationSignals::~TerminationSignals() {
  handleSignals(SIG_DFL);
  notifier_.reset();
}

bool TerminationSignals::received() { return signalReceived != 0; }

}  // namespace sumimai
