// The window system's events during a drawing. A drawing runs inside an
// event handler and paces itself with sleeps; between frames the pacing
// lets the window system's pending events through (processPendingEvents),
// so that the window repaints when uncovered, answers the window manager
// and hears a close request or the end of the session. The user's input to
// the windows (mouse, keys, wheel, pointer entering and leaving) is held
// back meanwhile: it is handed on, in the order it came and as the window
// system sent it, once the drawing has ended, as if the events had waited
// in the queue. Input that comes while held input waits is held behind it.
// Held input for a window that a modal box blocks by then is dropped, as
// the window system drops it.
#pragma once

#include <QObject>
#include <QPointer>
#include <deque>
#include <memory>

class QEvent;
class QWindow;

namespace sumimai {

class HeldInput : public QObject {
 public:
  HeldInput();  // watches every event of the application
  ~HeldInput() override;

  // Runs the window system's pending events now, holding the input back.
  void processPendingEvents();

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;

 private:
  struct Held {
    QPointer<QWindow> window;
    std::unique_ptr<QEvent> event;
  };
  bool holdsFor(const QWindow* window) const;
  void scheduleHandOn();
  void handOn();
  void dropBlocked();

  std::deque<Held> held_;
  bool processing_ = false;     // inside processPendingEvents
  bool handingOn_ = false;      // inside handOn, delivering one held event
  bool handOnQueued_ = false;
  const QEvent* handedOn_ = nullptr;  // the held event being delivered
};

}  // namespace sumimai
