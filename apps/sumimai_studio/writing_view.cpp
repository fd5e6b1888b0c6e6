#include "writing_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace sumimai {
namespace {

using Duration = DrawingClock::Duration;


// The pixels of rect copied from one image to another of the same size.
void copyPixels(const QImage& from, QImage& to, PixelRect rect) {
  const int left = std::max(rect.left, 0), right = std::min(rect.right, to.width());
  if (right <= left) return;
  for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, to.height()); ++y) {
    std::memcpy(to.scanLine(y) + left * 4, from.constScanLine(y) + left * 4, std::size_t(right - left) * 4);
  }
}

bool intersects(PixelRect a, PixelRect b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

WritingView::WritingView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(16);
  connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

WritingView::~WritingView() = default;

void WritingView::show(std::unique_ptr<WritingSession> session, qreal devicePixelRatio) {
  session_ = std::move(session);
  ratio_ = devicePixelRatio;
  if (!session_) {
    timer_.stop();
    picture_ = {};
    shown_.clear();
    update();
    return;
  }
  const PictureSize size = session_->composition().picture;
  picture_ = QImage(size.width, size.height, QImage::Format_ARGB32_Premultiplied);
  picture_.setDevicePixelRatio(ratio_);
  resetGround();
  setFixedSize((QSizeF(size.width, size.height) / ratio_).toSize());
  sinceTick_.start();
  timer_.start();
  refresh();
}

void WritingView::setGround(QColor colour, const QImage& paper) {
  groundColour_ = colour;
  paper_ = paper;
  if (!session_) return;
  resetGround();
  refresh();
}

void WritingView::resetGround() {
  ground_ = QImage(picture_.size(), QImage::Format_ARGB32_Premultiplied);
  if (!paper_.isNull()) {
    QPainter p(&ground_);
    p.drawImage(ground_.rect(), paper_);
  } else {
    ground_.fill(groundColour_);
  }
  picture_ = ground_.copy();
  picture_.setDevicePixelRatio(ratio_);
  shown_.assign(session_->composition().characters.size(), {});
}

void WritingView::tick() {
  const Duration elapsed = std::chrono::nanoseconds(sinceTick_.nsecsElapsed());
  sinceTick_.restart();
  if (!session_) return;
  const Playback& playback = session_->playback();
  if (!playback.playing()) return;
  // A frame held up longer than this (a busy machine) is not made up for
  // by leaping ahead.
  session_->advance(std::min<Duration>(elapsed, std::chrono::milliseconds(100)));
  refresh();
}

void WritingView::composeCell(std::size_t index, std::optional<Duration> at) {
  const PixelRect cell = session_->composition().characters[index].cell;
  copyPixels(ground_, picture_, cell);
  if (at) {
    const InkLayer& ink = session_->ink(index, *at);
    const PixelRect within{0, 0, std::min(cell.width(), ink.width()), std::min(cell.height(), ink.height())};
    auto* pixels = reinterpret_cast<std::uint32_t*>(picture_.bits());
    const std::ptrdiff_t stride = picture_.bytesPerLine() / 4;
    ink.compositeOnto(pixels + cell.top * stride + cell.left, stride, within);
  }
  shown_[index] = {true, at};
  update(widgetRect(cell));
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
    const std::optional<Duration> at = session_->inkTime(i);
    if (!shown_[i].composed || shown_[i].at != at) composeCell(i, at);
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

QImage WritingView::finishedPicture() {
  if (!session_) return {};
  session_->timeAll();
  QImage out = ground_.copy();
  auto* pixels = reinterpret_cast<std::uint32_t*>(out.bits());
  const std::ptrdiff_t stride = out.bytesPerLine() / 4;
  const auto& characters = session_->composition().characters;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (!characters[i].strokes) continue;
    const PixelRect cell = characters[i].cell;
    const InkLayer& ink = session_->finishedInk(i);
    const PixelRect within{0, 0, std::min(cell.width(), ink.width()), std::min(cell.height(), ink.height())};
    ink.compositeOnto(pixels + cell.top * stride + cell.left, stride, within);
  }
  return out;
}

void WritingView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (picture_.isNull()) {
    p.fillRect(event->rect(), palette().window());
    return;
  }
  if (groundColour_.alpha() < 255 && paper_.isNull()) {
    // Transparent ground: a checkerboard shows through.
    const int square = 8;
    for (int y = event->rect().top() / square; y <= event->rect().bottom() / square; ++y)
      for (int x = event->rect().left() / square; x <= event->rect().right() / square; ++x)
        p.fillRect(x * square, y * square, square, square, (x + y) % 2 ? QColor(204, 204, 204) : Qt::white);
  }
  p.drawImage(event->rect(), picture_, QRectF(QPointF(event->rect().topLeft()) * ratio_,
                                             QSizeF(event->rect().size()) * ratio_));
  if (!session_) return;
  QPen dotted(QColor(120, 120, 120), 1, Qt::DotLine);
  p.setPen(dotted);
  for (const PlacedCharacter& c : session_->composition().characters) {
    if (c.state != CharacterState::Missing && c.state != CharacterState::Damaged) continue;
    const QRect r = widgetRect(c.cell).adjusted(4, 4, -5, -5);
    if (r.intersects(event->rect())) p.drawRect(r);
  }
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
