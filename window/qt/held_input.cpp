#include "held_input.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWindow>
#include <algorithm>

namespace sumimai {
namespace {

bool isUserInput(const QEvent* event) {
  // A shortcut check goes to the focused widget, not to the window; it
  // changes nothing and is left alone.
  if (event->type() == QEvent::ShortcutOverride) return false;
  return event->isInputEvent() || event->type() == QEvent::Leave;
}

bool blockedByModalBox(const QWindow* window) {
  const QWindow* modal = QGuiApplication::modalWindow();
  return modal && modal != window;
}

}  // namespace

HeldInput::HeldInput() { QCoreApplication::instance()->installEventFilter(this); }

HeldInput::~HeldInput() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

void HeldInput::processPendingEvents() {
  processing_ = true;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  processing_ = false;
  if (!held_.empty()) scheduleHandOn();
}

bool HeldInput::eventFilter(QObject* receiver, QEvent* event) {
  if (event == handedOn_ || !receiver->isWindowType() || !isUserInput(event)) return false;
  auto* window = static_cast<QWindow*>(receiver);
  if (!processing_ && !holdsFor(window)) return false;
  held_.push_back({window, std::unique_ptr<QEvent>(event->clone())});
  if (!processing_) scheduleHandOn();
  return true;
}

bool HeldInput::holdsFor(const QWindow* window) const {
  return std::any_of(held_.begin(), held_.end(), [window](const Held& held) { return held.window == window; });
}

void HeldInput::scheduleHandOn() {
  if (handOnQueued_) return;
  handOnQueued_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        handOnQueued_ = false;
        handOn();
      },
      Qt::QueuedConnection);
}

// Delivers the held events one by one, each after the handlers of the one
// before have ended. Called while a drawing runs, it waits for the next
// call; called from a modal box that the handler of a held event opened,
// it drops what the box blocks.
void HeldInput::handOn() {
  if (processing_) return;
  if (handingOn_) return dropBlocked();
  handingOn_ = true;
  while (!held_.empty()) {
    Held next = std::move(held_.front());
    held_.pop_front();
    if (!next.window || blockedByModalBox(next.window)) continue;
    scheduleHandOn();  // for a modal box that this event's handler may open
    handedOn_ = next.event.get();
    // notify, unlike sendEvent, keeps the event spontaneous: the window
    // handles it as it came from the window system (focus on click, tooltips).
    QCoreApplication::instance()->notify(next.window, next.event.get());
    handedOn_ = nullptr;
  }
  handingOn_ = false;
}

void HeldInput::dropBlocked() {
  held_.erase(std::remove_if(held_.begin(), held_.end(),
                             [](const Held& held) { return !held.window || blockedByModalBox(held.window); }),
              held_.end());
}

}  // namespace sumimai
