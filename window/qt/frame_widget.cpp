#include "frame_widget.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace sumimai {
namespace {

// The desktop's 3D shadow and highlight colours.
const QColor kShadow(160, 160, 160);
const QColor kHighlight(255, 255, 255);

// The caption's text starts this many pixels from the frame's left edge.
constexpr int kCaptionIndent = 7;

}  // namespace

FrameWidget::FrameWidget(QWidget* parent) : QWidget(parent) {}

void FrameWidget::setTitle(const QString& title) {
  if (title == title_) return;
  title_ = title;
  update();
}

int FrameWidget::borderTop() const { return std::max(0, QFontMetrics(font()).height() / 2 - 1); }

QRect FrameWidget::captionRect() const {
  if (title_.isEmpty()) return {};
  QFontMetrics metrics(font());
  int width = std::min(metrics.horizontalAdvance(title_), this->width() - 2 * kCaptionIndent);
  return {kCaptionIndent, 0, std::max(0, width), metrics.height()};
}

void FrameWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Etched: a shadow rectangle, and a highlight one a pixel further in and
  // down, so that each edge shows a dark line with a light one beside it.
  // A rectangle's outline covers its right and bottom edges too, so the
  // shadow covers x 0..w-2, y top..h-2 and the highlight 1..w-1, top+1..h-1.
  int top = borderTop();
  QRect shadow(0, top, width() - 2, height() - 2 - top);
  if (shadow.width() < 1 || shadow.height() < 1) return;
  painter.setPen(kHighlight);
  painter.drawRect(shadow.translated(1, 1));
  painter.setPen(kShadow);
  painter.drawRect(shadow);

  QRect caption = captionRect();
  if (caption.isEmpty()) return;
  painter.fillRect(caption.adjusted(-1, 0, 1, 1), palette().color(backgroundRole()));
  painter.setPen(palette().color(foregroundRole()));
  painter.setFont(font());
  painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title_);
}

}  // namespace sumimai
