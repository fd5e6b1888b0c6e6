#include "canvas_widget.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QToolTip>

#include "key_codes.h"
#include "qt_canvas.h"
#include "qt_picture.h"

namespace sumimai {

MouseEventArgs mouseArgsFor(const Control& control, bool isCanvas, QPointF point, int button, int shift) {
  QPointF origin = isCanvas ? QPointF(0, 0) : controlRect(control).topLeft();
  QPointF twips = (point - origin) * kTwipsPerPixel;
  return MouseEventArgs{button, shift, static_cast<float>(twips.x()), static_cast<float>(twips.y())};
}

CanvasWidget::CanvasWidget(QtCanvas& canvas) : canvas_(canvas) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  double ratio = canvas_.devicePixelRatio();
  for (const QRect& rect : event->region()) {
    QRect device = toDevicePixels(QRectF(rect), ratio);
    const QImage& frame = canvas_.composeFrame(device);
    painter.drawImage(QRectF(rect), frame, QRectF(device));
  }
}

Control& CanvasWidget::controlAt(QPointF point) const {
  Control* control = canvas_.pictureControlAt(point);
  return control ? *control : static_cast<Control&>(canvas_);
}

void CanvasWidget::sendMouse(Control& control, QPointF point, int button, int shift, bool up) {
  const auto& handler = up ? control.events.mouseUp : control.events.mouseMove;
  if (!handler) return;
  MouseEventArgs args = mouseArgsFor(control, &control == &canvas_, point, button, shift);
  Control* target = &control;
  canvas_.deliver([target, args, up] {
    const auto& h = up ? target->events.mouseUp : target->events.mouseMove;
    if (h) h(args);
  });
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (!pressed_) pressed_ = &controlAt(event->position());
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
  Control* control = pressed_ ? pressed_ : &controlAt(event->position());
  if (event->buttons() == Qt::NoButton) pressed_ = nullptr;
  // A click is a release over the control the button went down on, as the
  // window stands at the release (the mouse-up handler may change it); the
  // release that ends a double-click raises no second click.
  bool over = &controlAt(event->position()) == control;
  sendMouse(*control, event->position(), windowsMouseButton(event->button()),
            windowsShiftState(event->modifiers()), true);
  if (over && event->button() == Qt::LeftButton && !clickSuppressed_ && control->events.click)
    canvas_.deliver([control] {
      if (control->events.click) control->events.click();
    });
  clickSuppressed_ = false;
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  pressed_ = &controlAt(event->position());
  clickSuppressed_ = true;
  if (event->button() != Qt::LeftButton) return;
  Control* control = pressed_;
  if (control->events.doubleClick)
    canvas_.deliver([control] {
      if (control->events.doubleClick) control->events.doubleClick();
    });
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  Control& control = pressed_ ? *pressed_ : controlAt(event->position());
  sendMouse(control, event->position(), windowsMouseButton(event->buttons()),
            windowsShiftState(event->modifiers()), false);
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
  // Keys that a child widget (the text box) leaves unhandled bubble up to
  // here; only keys pressed while the canvas itself has the focus count.
  if (!hasFocus()) return event->ignore();
  int code = windowsKeyCode(event->key(), event->modifiers());
  int shift = windowsShiftState(event->modifiers());
  if (code == 0) return event->ignore();
  Control& canvas = canvas_;
  canvas_.deliver([&canvas, code, shift] {
    if (canvas.events.keyDown) canvas.events.keyDown(code, shift);
  });
}

bool CanvasWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const std::string& tip = controlAt(help->pos()).tooltip();
    if (tip.empty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), QString::fromStdString(tip), this);
    return true;
  }
  return QWidget::event(event);
}

}  // namespace sumimai
