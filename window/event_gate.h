// One handler at a time: an event that arrives while a handler runs (a window
// system may deliver one from inside a modal message box) is handled after
// that handler has ended, in the order of arrival.
#pragma once

#include <deque>
#include <functional>
#include <optional>

namespace sumimai {

class EventGate {
 public:
  // Runs the handler now, or queues it behind the running one.
  void deliver(std::function<void()> handler);

  // As deliver, but a handler of the same key still waiting is replaced
  // instead of queued twice (a burst of resizes runs the sequence once more).
  void deliverCoalesced(int key, std::function<void()> handler);

  bool busy() const { return busy_; }

  // After close nothing more is delivered (the program has ended).
  void close();
  bool closed() const { return closed_; }

 private:
  struct Pending {
    std::optional<int> key;
    std::function<void()> handler;
  };
  void enqueue(Pending pending);
  void drain();

  std::deque<Pending> queue_;
  bool busy_ = false;
  bool closed_ = false;
};

}  // namespace sumimai
