#include "qt_canvas.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <cmath>

#include "data_files/file_writing.h"

#include "canvas_widget.h"
#include "qt_picture.h"

namespace sumimai {
namespace {

double screenRatio() {
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  return app ? app->devicePixelRatio() : 1.0;
}

QRectF toLogical(PixelRect r, double ratio) {
  return QRectF(r.left / ratio, r.top / ratio, (r.right - r.left) / ratio, (r.bottom - r.top) / ratio);
}

PixelRect toPixelRect(const QRect& r) { return {r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

}  // namespace

QtCanvas::QtCanvas(std::string name, Pacer::Timing timing)
    : CanvasControl(std::move(name)), RasterCanvas(screenRatio() / kTwipsPerPixel), pacer_(std::move(timing)) {
  widget_ = new CanvasWidget(*this);
  addObserver(this);
}

QtCanvas::~QtCanvas() {
  removeObserver(this);
  forgetContainedControls();
  delete widget_.data();  // nothing if its parent has deleted it already
}

QWidget* QtCanvas::widget() const { return widget_.data(); }

double QtCanvas::devicePixelRatio() const { return devicePixelsPerTwip() * kTwipsPerPixel; }

void QtCanvas::deliver(std::function<void()> handler) {
  if (deliver_)
    deliver_(std::move(handler));
  else
    handler();
}

// --- the picture and what the canvas shows ---------------------------------

void QtCanvas::setPicture(const Picture& picture) {
  picture_ = picture;
  ink().clear();
  ink().takeDirty();
  baseValid_ = false;
  if (widget_) invalidateLogical(QRectF(widget_->rect()));
}

void QtCanvas::paintUnderInk(QImage& target, bool withControls) {
  QPainter painter(&target);
  painter.fillRect(target.rect(), QColor(kFormBackground.red, kFormBackground.green, kFormBackground.blue));
  double ratio = devicePixelRatio();
  painter.scale(ratio, ratio);
  QImage own = imageOf(picture_);
  if (!own.isNull()) painter.drawImage(QPointF(0, 0), own);
  if (!withControls) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (Control* control : contained_) {
    auto* pictureControl = dynamic_cast<PictureControl*>(control);
    if (!pictureControl || !pictureControl->visible()) continue;
    QImage image = imageOf(pictureControl->picture());
    if (!image.isNull()) painter.drawImage(controlRect(*pictureControl), image);
  }
}

void QtCanvas::renderBase() {
  fitToSize();
  paintUnderInk(base_, true);
  baseValid_ = true;
}

void QtCanvas::fitToSize() {
  QSize size(ink().width(), ink().height());
  if (base_.size() != size) {
    base_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    frame_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    baseValid_ = false;
  }
}

const QImage& QtCanvas::composeFrame(const QRect& deviceRect) {
  fitToSize();
  if (!baseValid_) renderBase();
  QRect rect = deviceRect.intersected(base_.rect());
  if (rect.isEmpty()) return frame_;
  auto stride = static_cast<std::ptrdiff_t>(base_.bytesPerLine() / 4);
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    const auto* from = reinterpret_cast<const std::uint32_t*>(base_.constScanLine(y)) + rect.left();
    auto* to = reinterpret_cast<std::uint32_t*>(frame_.scanLine(y)) + rect.left();
    std::copy(from, from + rect.width(), to);
  }
  ink().compositeOnto(reinterpret_cast<std::uint32_t*>(frame_.bits()), stride, toPixelRect(rect));
  return frame_;
}

QImage QtCanvas::composeWhole() {
  fitToSize();
  const QImage& frame = composeFrame(QRect(QPoint(0, 0), base_.size()));
  QImage whole = frame.convertToFormat(QImage::Format_RGB32);
  whole.setDevicePixelRatio(devicePixelRatio());
  return whole;
}

Picture QtCanvas::capture() { return pictureOf(composeWhole(), ""); }

PictureSave QtCanvas::savePicture(const std::string& path) {
  // The picture over the background, at the canvas's size, without ink,
  // encoded in memory and then written so that a failure (a full disk)
  // leaves an older file whole and says why.
  fitToSize();
  QImage image(base_.size(), QImage::Format_ARGB32_Premultiplied);
  paintUnderInk(image, false);
  const std::string cannot = "画像ファイル「" + path + "」を保存できません。";
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "bmp");
  if (image.isNull() || !writer.write(image.convertToFormat(QImage::Format_RGB888)))
    return PictureSave{cannot + writer.errorString().toStdString()};
  FileWrite written = replaceFile(path, bytes.toStdString());
  if (!written.ok()) return PictureSave{cannot + written.problem};
  return PictureSave{};
}

// --- controls lying on the canvas --------------------------------------------

void QtCanvas::addContainedControl(Control& control) {
  contained_.push_back(&control);
  containedRects_.push_back(control.visible() ? controlRect(control) : QRectF());
  control.addObserver(this);
  baseValid_ = false;
}

void QtCanvas::forgetContainedControls() {
  for (Control* control : contained_) control->removeObserver(this);
  contained_.clear();
  containedRects_.clear();
  baseValid_ = false;
}

Control* QtCanvas::pictureControlAt(QPointF point) const {
  for (auto it = contained_.rbegin(); it != contained_.rend(); ++it) {
    if (dynamic_cast<PictureControl*>(*it) && (*it)->visible() && controlRect(**it).contains(point)) return *it;
  }
  return nullptr;
}

void QtCanvas::controlChanged(Control& control, ControlChange change) {
  if (&control == this) {
    if (change == ControlChange::Geometry) {
      baseValid_ = false;
      limitDrawingToWindow();
      queuePresent();
    }
    return;
  }
  auto it = std::find(contained_.begin(), contained_.end(), &control);
  if (it == contained_.end()) return;
  QRectF& shown = containedRects_[static_cast<std::size_t>(it - contained_.begin())];
  bool pictureChange = change == ControlChange::Content && dynamic_cast<PictureControl*>(&control);
  if (change != ControlChange::Geometry && change != ControlChange::Visibility && !pictureChange) return;
  // A repaint of the area the control left and the area it now covers:
  // the canvas keeps no ink there.
  QRectF now = control.visible() ? controlRect(control) : QRectF();
  for (const QRectF& area : {shown, now}) {
    if (area.isEmpty()) continue;
    ink().erase(toPixelRect(toDevicePixels(area, devicePixelRatio())));
    invalidateLogical(area);
  }
  shown = now;
  if (dynamic_cast<PictureControl*>(&control)) baseValid_ = false;
}

void QtCanvas::limitDrawingToWindow() {
  // Calls that fall beyond the window (the pauses) cost no pixel work.
  QWidget* parent = widget_ ? widget_->parentWidget() : nullptr;
  if (!parent) return;
  QRectF visible(-controlPixelRect(*this).topLeft(), parent->size());
  ink().setDrawableArea(toPixelRect(toDevicePixels(visible, devicePixelRatio())));
}

// --- presenting and pacing ------------------------------------------------------

void QtCanvas::invalidateLogical(const QRectF& rect) {
  pending_ += rect.toAlignedRect();
  queuePresent();
}

void QtCanvas::queuePresent() {
  if (presentQueued_ || !widget_) return;
  presentQueued_ = true;
  QMetaObject::invokeMethod(
      widget_.data(),
      [this] {
        presentQueued_ = false;
        present();
      },
      Qt::QueuedConnection);
}

void QtCanvas::present() {
  PixelRect inked = ink().takeDirty();
  if (!inked.empty()) pending_ += toLogical(inked, devicePixelRatio()).toAlignedRect();
  QRegion region = pending_;
  pending_ = QRegion();
  if (!widget_ || region.isEmpty() || !widget_->isVisible()) return;
  widget_->repaint(region);
}

void QtCanvas::afterDrawingCall() {
  Pacer::Duration charged = clock().charged();
  if (pacer_.due(charged)) {
    pacer_.waitForRealTime(charged);
    present();
    if (betweenFrames_) betweenFrames_();
  }
  queuePresent();
}

}  // namespace sumimai
