#include "control_pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace sumimai::pictures {
namespace {

const QColor kRed(196, 32, 28);
const QColor kYellow(236, 190, 20);

// A flat face with a lighter upper and a darker lower edge, like a raised button.
QImage buttonFace(QSize size, QColor colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  QPainter p(&image);
  int edge = std::max(2, std::min(size.width(), size.height()) / 24);
  p.fillRect(0, 0, size.width(), edge, colour.lighter(135));
  p.fillRect(0, 0, edge, size.height(), colour.lighter(120));
  p.fillRect(0, size.height() - edge, size.width(), edge, colour.darker(150));
  p.fillRect(size.width() - edge, 0, edge, size.height(), colour.darker(135));
  return image;
}

}  // namespace

QImage triangleButton(QSize size, int count, Pointing pointing) {
  QImage image = buttonFace(size, kRed);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  double h = size.height() * 0.56, w = h * 0.8;
  double left = (size.width() - w * count) / 2, top = (size.height() - h) / 2;
  for (int i = 0; i < count; ++i) {
    double x0 = left + i * w, x1 = x0 + w;
    double tip = pointing == Pointing::Right ? x1 : x0, base = pointing == Pointing::Right ? x0 : x1;
    p.drawPolygon(QPolygonF({QPointF(base, top), QPointF(tip, top + h / 2), QPointF(base, top + h)}));
  }
  return image;
}

QImage crossButton(QSize size) {
  QImage image = buttonFace(size, kRed);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  double side = std::min(size.width(), size.height());
  double m = side * 0.26;
  QPen pen(Qt::white, side * 0.14, Qt::SolidLine, Qt::RoundCap);
  p.setPen(pen);
  QRectF box((size.width() - side) / 2 + m, (size.height() - side) / 2 + m, side - 2 * m, side - 2 * m);
  p.drawLine(box.topLeft(), box.bottomRight());
  p.drawLine(box.topRight(), box.bottomLeft());
  return image;
}

QImage logoBanner(QSize size, const QString& text) {
  QImage image = buttonFace(size, kYellow);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font("IPAPGothic");
  font.setPixelSize(static_cast<int>(size.height() * 0.62));
  font.setBold(true);
  font.setLetterSpacing(QFont::PercentageSpacing, 108);
  QPainterPath path;
  path.addText(0, 0, font, text);
  QRectF bounds = path.boundingRect();
  path.translate(-bounds.center() + QPointF(size.width() / 2.0, size.height() / 2.0));
  p.setPen(QPen(QColor(150, 90, 0), size.height() * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(path);
  return image;
}

}  // namespace sumimai::pictures
