#include "event_gate.h"

namespace sumimai {

void EventGate::deliver(std::function<void()> handler) { enqueue({std::nullopt, std::move(handler)}); }

void EventGate::deliverCoalesced(int key, std::function<void()> handler) {
  for (Pending& pending : queue_) {
    if (pending.key == key) {
      pending.handler = std::move(handler);
      return;
    }
  }
  enqueue({key, std::move(handler)});
}

void EventGate::close() {
  closed_ = true;
  queue_.clear();
}

void EventGate::enqueue(Pending pending) {
  if (closed_) return;
  queue_.push_back(std::move(pending));
  if (!busy_) drain();
}

void EventGate::drain() {
  busy_ = true;
  while (!queue_.empty() && !closed_) {
    std::function<void()> handler = std::move(queue_.front().handler);
    queue_.pop_front();
    if (handler) handler();
  }
  busy_ = false;
}

}  // namespace sumimai
