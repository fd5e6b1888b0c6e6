#include "practice_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTabletEvent>
#include <cstring>

#include "playback/practice_ink.h"
#include "writing/cell_drawing.h"

namespace sumimai {
namespace {

// How long a refused stroke takes to fade, and the expected start flashes (ms).
constexpr int kFadeMs = 900;
constexpr int kFlashMs = 1400;
constexpr int kFlashPeriodMs = 350;
// Room left round the cell, logical pixels.
constexpr int kMargin = 12;
constexpr Rgb kFlashColour{213, 94, 0};

QColor qColourOf(Rgb c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

PracticeView::PracticeView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(tr("練習の升目"));
  setCursor(Qt::CrossCursor);
  setMinimumSize(160, 160);
  animation_.setInterval(30);
  connect(&animation_, &QTimer::timeout, this, [this] {
    const bool fading = !fading_.isNull() && fadingFor_.elapsed() < kFadeMs;
    const bool flashing = flashing_ && fadingFor_.elapsed() < kFlashMs;
    if (!fading) fading_ = QImage();
    if (!flashing && flashing_) {
      flashing_.reset();
      composeAll();
    } else if (flashing) {
      composeAll();
    }
    if (!fading && !flashing) animation_.stop();
    update(cellRect_);
  });
}

PracticeView::~PracticeView() = default;

void PracticeView::start(const CharacterStrokes& strokes, PracticeLook look) {
  strokes_ = strokes;
  look_ = look;
  ink_.reset();
  fading_ = QImage();
  flashing_.reset();
  layOut();
}

void PracticeView::setLook(PracticeLook look) {
  look_ = look;
  layOut();
}

void PracticeView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layOut();
}

void PracticeView::layOut() {
  ratio_ = devicePixelRatioF();
  const int side = std::max(0, std::min(width(), height()) - 2 * kMargin);
  cellRect_ = QRect((width() - side) / 2, (height() - side) / 2, side, side);
  const int pixels = static_cast<int>(side * ratio_);
  if (!strokes_ || pixels <= 0) {
    update();
    return;
  }
  const PictureSize cell{pixels, pixels};
  const double pixelsPerTwip = ratio_ / 15;
  const PracticeInkStyle style{look_.ink, ghostColour(look_.ink, look_.ground), look_.brush};
  if (!ink_) {
    ink_ = std::make_unique<PracticeInk>(*strokes_, cell, pixelsPerTwip, style);
  } else if (!(ink_->cell() == cell) || !(ink_->style() == style)) {
    // The strokes kept so far stay, drawn anew (not while one is written).
    if (!ink_->writing()) ink_ = ink_->redrawnAt(cell, pixelsPerTwip, style);
  }
  ground_ = QImage(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  ground_.fill(qColourOf(look_.ground));
  drawGrid({reinterpret_cast<std::uint32_t*>(ground_.bits()), ground_.bytesPerLine() / 4, {0, 0, pixels, pixels}},
           {0, 0, pixels, pixels}, look_.grid);
  frame_ = QImage(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  composeAll();
  update();
}

void PracticeView::recompose(PixelRect rect) {
  if (!ink_ || frame_.isNull()) return;
  rect = {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, frame_.width()),
          std::min(rect.bottom, frame_.height())};
  if (rect.empty()) return;
  auto* out = reinterpret_cast<std::uint32_t*>(frame_.bits());
  const std::ptrdiff_t stride = frame_.bytesPerLine() / 4;
  const auto* ground = reinterpret_cast<const std::uint32_t*>(ground_.constBits());
  for (int y = rect.top; y < rect.bottom; ++y) {
    std::memcpy(out + y * stride + rect.left, ground + y * stride + rect.left, std::size_t(rect.width()) * 4);
  }
  ink_->compositeOnto(out, stride, rect, look_.ghost);
  // The expected stroke's start flashes: shown in the first half of each period.
  if (flashing_ && (fadingFor_.elapsed() / (kFlashPeriodMs / 2)) % 2 == 0) {
    const std::vector<StrokeStart> starts =
        strokeStarts(*strokes_, {frame_.width(), frame_.height()}, framingOf(Framing::AsTheMainWindow, *strokes_),
                     ratio_ / 15);
    if (*flashing_ >= 0 && *flashing_ < static_cast<int>(starts.size())) {
      const StrokeStart& s = starts[static_cast<std::size_t>(*flashing_)];
      drawStartArrow({out, stride, {0, 0, frame_.width(), frame_.height()}}, s.at, s.towards,
                     static_cast<float>(frame_.width()) / 14, kFlashColour);
    }
  }
}

void PracticeView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  if (frame_.isNull()) return;
  frame_.setDevicePixelRatio(ratio_);
  p.drawImage(cellRect_.topLeft(), frame_);
  if (!fading_.isNull()) {
    p.setOpacity(std::max(0.0, 1.0 - double(fadingFor_.elapsed()) / kFadeMs));
    fading_.setDevicePixelRatio(ratio_);
    p.drawImage(cellRect_.topLeft(), fading_);
  }
}

PointF PracticeView::cellPixel(QPointF widget) const {
  const QPointF at = (widget - QPointF(cellRect_.topLeft())) * ratio_;
  return {static_cast<float>(at.x()), static_cast<float>(at.y())};
}

void PracticeView::penDown(QPointF at, double ms, std::optional<double> pressure) {
  if (!ink_ || ink_->writing()) return;
  ink_->penDown({cellPixel(at), ms, pressure});
  penMove(at, ms, pressure);
}

void PracticeView::penMove(QPointF at, double ms, std::optional<double> pressure) {
  if (!ink_ || !ink_->writing()) return;
  ink_->penMove({cellPixel(at), ms, pressure});
  // The new ink on screen at the next frame: only its pixels composed.
  const PixelRect dirty = ink_->takeDirty();
  recompose(dirty);
  const QRectF shown(QPointF(dirty.left, dirty.top) / ratio_, QPointF(dirty.right, dirty.bottom) / ratio_);
  update(shown.translated(cellRect_.topLeft()).toAlignedRect().adjusted(-1, -1, 1, 1));
}

void PracticeView::penUp() {
  if (!ink_ || !ink_->writing()) return;
  std::vector<PointF> path = ink_->penUp();
  emit strokeWritten(std::move(path));
}

void PracticeView::keepStroke() {
  if (!ink_) return;
  ink_->keep();
  composeAll();
  update(cellRect_);
}

void PracticeView::refuseStroke(int expected) {
  if (!ink_) return;
  const RgbImage alone = ink_->refuse();
  fading_ = QImage(alone.width, alone.height, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < alone.height; ++y) std::memcpy(fading_.scanLine(y), alone.row(y), std::size_t(alone.width) * 4);
  flashing_ = expected;
  fadingFor_.start();
  animation_.start();
  composeAll();
  update(cellRect_);
}

void PracticeView::writeModelStroke(int stroke) {
  if (!ink_) return;
  ink_->writeModelStroke(stroke);
  composeAll();
  update(cellRect_);
}

std::vector<std::vector<QPoint>> PracticeView::modelOnScreen(const std::vector<std::vector<PointF>>& source) const {
  std::vector<std::vector<QPoint>> out;
  if (!ink_) return out;
  for (const std::vector<PointF>& stroke : source) {
    std::vector<QPoint>& points = out.emplace_back();
    for (PointF s : stroke) {
      const PointF px = ink_->fit().toPixel(s);
      // The screen's own pixels, as a pointer moved by another program
      // counts them (logical pixels times the ratio).
      const QPointF global = mapToGlobal(QPointF(px.x, px.y) / ratio_ + QPointF(cellRect_.topLeft()));
      points.push_back((global * ratio_).toPoint());
    }
  }
  return out;
}

void PracticeView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !tablet_) penDown(event->position(), double(event->timestamp()), {});
}

void PracticeView::mouseMoveEvent(QMouseEvent* event) {
  if (!tablet_ && (event->buttons() & Qt::LeftButton)) penMove(event->position(), double(event->timestamp()), {});
}

void PracticeView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !tablet_) penUp();
}

void PracticeView::tabletEvent(QTabletEvent* event) {
  const double ms = double(event->timestamp());
  switch (event->type()) {
    case QEvent::TabletPress:
      tablet_ = true;
      penDown(event->position(), ms, event->pressure());
      break;
    case QEvent::TabletMove: penMove(event->position(), ms, event->pressure()); break;
    case QEvent::TabletRelease:
      penUp();
      tablet_ = false;
      break;
    default: break;
  }
  event->accept();
}

}  // namespace sumimai
