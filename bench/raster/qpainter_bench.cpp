// The baseline: QPainter::drawEllipse, antialiased with a one-pixel pen,
// blending every ring over the last, on the same workloads.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "ring_workloads.h"

namespace sumimai::bench {
namespace {

void paintRings(benchmark::State& state, const std::vector<PixelRing>& rings) {
  QImage image(kImageWidth, kImageHeight, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    state.PauseTiming();
    image.fill(Qt::transparent);
    state.ResumeTiming();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(160, 140, 50), 1));
    painter.setBrush(Qt::NoBrush);
    for (const PixelRing& r : rings) painter.drawEllipse(QPointF(r.x, r.y), r.radius, r.radius);
    painter.end();
    benchmark::DoNotOptimize(image.pixel(kImageWidth / 2, kImageHeight / 2));
  }
  state.counters["rings"] = static_cast<double>(rings.size());
}

void BM_QPainterCharacter(benchmark::State& state) {
  static const std::vector<PixelRing> rings = characterRings();
  paintRings(state, rings);
}
BENCHMARK(BM_QPainterCharacter)->Unit(benchmark::kMillisecond);

void BM_QPainterPage(benchmark::State& state) {
  static const std::vector<PixelRing> rings = pageRings();
  paintRings(state, rings);
}
BENCHMARK(BM_QPainterPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sumimai::bench
