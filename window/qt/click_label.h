// A label that takes its own clicks: a left-button press and release over
// it raise onClick. Presses never pass through to what lies beneath, so a
// click on a label on the canvas is not taken for one on the picture there.
#pragma once

#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace sumimai {

class ClickLabel : public QLabel {
 public:
  using QLabel::QLabel;

  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) onClick();
  }
};

}  // namespace sumimai
