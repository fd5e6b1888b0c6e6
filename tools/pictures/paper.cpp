#include "paper.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "drawing/raster/seeded_noise.h"

namespace sumimai::pictures {
namespace {

int level(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

void paintBase(QImage& image, const PaperStyle& style) {
  ValueNoise noise(style.seed);
  double cx = image.width() / 2.0, cy = image.height() / 2.0;
  double corner = std::hypot(cx, cy);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      double n = noise.fractal(x / style.mottleSize, y / style.mottleSize, 5) - 0.5;
      double edge = std::hypot(x - cx, y - cy) / corner;
      double shade = 1 - style.vignette * edge * edge;
      double d = n * 2 * style.mottle;
      line[x] = qRgb(level((style.base.red() + d) * shade), level((style.base.green() + d) * shade),
                     level((style.base.blue() + d) * shade));
    }
  }
}

void paintFibres(QPainter& painter, QSize size, const PaperStyle& style, SeededRandom& random) {
  for (int i = 0; i < style.fibres; ++i) {
    QPointF a(random.between(0, size.width()), random.between(0, size.height()));
    double angle = random.between(0, 2 * M_PI), length = random.between(15, 70);
    QPointF dir(std::cos(angle) * length, std::sin(angle) * length);
    QPointF bend(random.between(-12, 12), random.between(-12, 12));
    QPainterPath path(a);
    path.quadTo(a + dir * 0.5 + bend, a + dir);
    QColor c = style.fibre;
    c.setAlphaF(static_cast<float>(style.fibre.alphaF() * random.between(0.3, 1.0)));
    painter.setPen(QPen(c, random.between(0.5, 1.4)));
    painter.drawPath(path);
  }
}

void paintFlecks(QPainter& painter, QSize size, const PaperStyle& style, SeededRandom& random) {
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < style.flecks; ++i) {
    QPointF at(random.between(0, size.width()), random.between(0, size.height()));
    QColor c = style.fleck;
    c.setAlphaF(static_cast<float>(style.fleck.alphaF() * random.between(0.4, 1.0)));
    painter.setBrush(c);
    double r = random.between(0.6, 2.2);
    painter.drawEllipse(at, r, r * random.between(0.5, 1.0));
  }
}

}  // namespace

PaperStyle washiPaper() {
  return {.base = QColor(238, 230, 211), .mottle = 7, .mottleSize = 90,
          .fibre = QColor(255, 252, 240, 80), .fibres = 2600,
          .fleck = QColor(150, 130, 100, 45), .flecks = 160,
          .vignette = 0.06, .seed = 0x5743'5055'4D49'4D41ull};
}

PaperStyle indigoPaper() {
  return {.base = QColor(27, 36, 78), .mottle = 6, .mottleSize = 90,
          .fibre = QColor(70, 84, 140, 70), .fibres = 1800,
          .fleck = QColor(200, 175, 90, 120), .flecks = 260,
          .vignette = 0.35, .seed = 0x4B4F'4E53'4849'4B49ull};
}

QImage paperImage(QSize size, const PaperStyle& style) {
  QImage image(size, QImage::Format_RGB32);
  paintBase(image, style);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  SeededRandom random(style.seed + 1);
  paintFibres(painter, size, style, random);
  paintFlecks(painter, size, style, random);
  return image;
}

}  // namespace sumimai::pictures
