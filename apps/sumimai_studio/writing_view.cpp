#include "writing_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "playback/playback_export.h"

namespace sumimai {
namespace {

using Duration = DrawingClock::Duration;

// How long into a frame the finished inks (the ghosts, the numbers'
// places, the ink a jump needs) may be drawn ahead once it is composed.
constexpr auto kDrawingAhead = std::chrono::milliseconds(6);

bool intersects(PixelRect a, PixelRect b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

Rgb rgbOf(QColor c) { return {c.red(), c.green(), c.blue()}; }

}  // namespace

RgbImage rgbImageOf(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  RgbImage out(argb.width(), argb.height());
  for (int y = 0; y < argb.height(); ++y) std::memcpy(out.row(y), argb.constScanLine(y), std::size_t(argb.width()) * 4);
  return out;
}

QImage qImageOf(const RgbImage& image) {
  QImage out(image.width, image.height, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < image.height; ++y) std::memcpy(out.scanLine(y), image.row(y), std::size_t(image.width) * 4);
  return out;
}

WritingView::WritingView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(tr("書く画面"));
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(16);
  connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

WritingView::~WritingView() = default;

void WritingView::show(std::unique_ptr<WritingSession> session, qreal devicePixelRatio, LearningAids aids,
                       ViewGround ground) {
  composer_.reset();
  session_ = std::move(session);
  ratio_ = devicePixelRatio;
  groundChoice_ = std::move(ground);
  if (!session_) {
    timer_.stop();
    shown_.clear();
    update();
    return;
  }
  composer_ = std::make_unique<CellComposer>(*session_, aids, rgbOf(groundChoice_.colour),
                                             CellComposer::Finishing::DrawnAhead);
  const PictureSize size = session_->composition().picture;
  reserve(QSize(size.width, size.height));
  if (!groundChoice_.paper.isNull()) {
    QPainter p(&ground_);
    p.drawImage(ground_.rect(), groundChoice_.paper);
  } else {
    ground_.fill(groundChoice_.colour);
  }
  std::memcpy(picture_.bits(), ground_.constBits(), std::size_t(ground_.sizeInBytes()));
  shown_.assign(session_->composition().characters.size(), std::nullopt);
  setFixedSize((QSizeF(size.width, size.height) / ratio_).toSize());
  sinceTick_.start();
  timer_.start();
  refresh();
}

void WritingView::reserve(QSize devicePixels) {
  // New pictures cost their pages' first touch, which is slow on some
  // machines: pictures of the same size are kept from one writing to the next.
  if (picture_.size() == devicePixels && !ground_.isNull()) return;
  picture_ = QImage(devicePixels, QImage::Format_ARGB32_Premultiplied);
  ground_ = QImage(devicePixels, QImage::Format_ARGB32_Premultiplied);
  picture_.fill(Qt::white);
  ground_.fill(Qt::white);
}

void WritingView::tick() {
  const auto frameStart = std::chrono::steady_clock::now();
  const Duration elapsed = std::chrono::nanoseconds(sinceTick_.nsecsElapsed());
  sinceTick_.restart();
  if (!session_) return;
  if (session_->playback().playing()) {
    // A frame held up longer than this (a busy machine) is not made up for
    // by leaping ahead.
    session_->advance(std::min<Duration>(elapsed, std::chrono::milliseconds(100)));
    refresh();
  } else {
    composeVisibleCells();  // what was drawn ahead since
  }
  composer_->drawAhead(frameStart + kDrawingAhead);
}

void WritingView::composeCell(std::size_t index) {
  const PixelView view{reinterpret_cast<std::uint32_t*>(picture_.bits()), picture_.bytesPerLine() / 4,
                       {0, 0, picture_.width(), picture_.height()}};
  composer_->compose(index, reinterpret_cast<const std::uint32_t*>(ground_.constBits()), view);
  shown_[index] = composer_->lookOf(index);
  update(widgetRect(session_->composition().characters[index].cell));
}

PixelRect WritingView::visiblePixels() const {
  const QRect seen = visibleRegion().boundingRect();
  auto device = [this](int v) { return static_cast<int>(v * ratio_); };
  return {device(seen.left()) - 1, device(seen.top()) - 1, device(seen.right() + 1) + 1,
          device(seen.bottom() + 1) + 1};
}

QRect WritingView::widgetRect(PixelRect cell) const {
  return QRectF(cell.left / ratio_, cell.top / ratio_, cell.width() / ratio_, cell.height() / ratio_)
      .toAlignedRect();
}

void WritingView::composeVisibleCells() {
  if (!session_) return;
  const PixelRect seen = visiblePixels();
  const auto& characters = session_->composition().characters;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (!intersects(characters[i].cell, seen)) continue;
    if (shown_[i] != composer_->lookOf(i)) composeCell(i);
  }
}

void WritingView::refresh() {
  if (!session_) return;
  composeVisibleCells();
  QRect writing;
  if (const std::optional<WritingPlace> place = session_->playback().place()) {
    writing = widgetRect(session_->composition().characters[place->character].cell);
  }
  emit positionChanged(writing);
}

RgbImage WritingView::groundImage() const { return rgbImageOf(ground_); }

QImage WritingView::finishedPicture() {
  if (!session_) return {};
  QImage out = qImageOf(sumimai::finishedPicture(*session_, groundImage(), composer_->aids(),
                                                 rgbOf(groundChoice_.colour)));
  return out;
}

void WritingView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (!session_) {
    p.fillRect(event->rect(), palette().window());
    return;
  }
  if (groundChoice_.colour.alpha() < 255 && groundChoice_.paper.isNull()) {
    // A transparent ground: a checkerboard shows through.
    const int square = 8;
    const QRect r = event->rect();
    for (int y = r.top() / square; y <= r.bottom() / square; ++y)
      for (int x = r.left() / square; x <= r.right() / square; ++x)
        p.fillRect(x * square, y * square, square, square, (x + y) % 2 ? QColor(214, 214, 214) : Qt::white);
  }
  const QRect r = event->rect();
  p.drawImage(QRectF(r), picture_, QRectF(QPointF(r.topLeft()) * ratio_, QSizeF(r.size()) * ratio_));
}

void WritingView::mousePressEvent(QMouseEvent* event) {
  pressedAt_ = event->position().toPoint();
  setFocus(Qt::MouseFocusReason);
}

void WritingView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton) || !session_) return;
  if ((event->position().toPoint() - pressedAt_).manhattanLength() < 12) return;
  emit dragStarted();
}

}  // namespace sumimai
