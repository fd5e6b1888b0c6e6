// The widget of a QtCanvas: paints the canvas's frame, and hands mouse, key
// and tooltip events to the control they concern: the topmost visible
// picture control under the pointer, else the canvas itself.
#pragma once

#include <QPointer>
#include <QWidget>

#include "window/controls.h"

namespace sumimai {

class QtCanvas;

// X and Y in twips relative to the control, from a point in the canvas's
// logical pixels; the control lies directly on the canvas (or is it).
MouseEventArgs mouseArgsFor(const Control& control, bool isCanvas, QPointF point, int button, int shift);

class CanvasWidget : public QWidget {
 public:
  explicit CanvasWidget(QtCanvas& canvas);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  Control& controlAt(QPointF point) const;
  void sendMouse(Control& control, QPointF point, int button, int shift, bool up);

  QtCanvas& canvas_;
  Control* pressed_ = nullptr;  // the control a button went down on; it gets the release
  bool clickSuppressed_ = false;  // the release that ends a double-click
};

}  // namespace sumimai
