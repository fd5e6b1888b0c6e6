// Our rasterizer on the two ring workloads.
#include <benchmark/benchmark.h>

#include "ring_workloads.h"
#include "drawing/raster/ink_layer.h"

namespace sumimai::bench {
namespace {

void drawRings(benchmark::State& state, const std::vector<PixelRing>& rings) {
  InkLayer ink(kImageWidth, kImageHeight);
  constexpr Rgb kInk{160, 140, 50};
  for (auto _ : state) {
    state.PauseTiming();
    ink.clear();
    state.ResumeTiming();
    for (const PixelRing& r : rings) ink.ring(r.x, r.y, r.radius, kInk);
    benchmark::DoNotOptimize(ink.coverage(kImageWidth / 2, kImageHeight / 2));
  }
  state.counters["rings"] = static_cast<double>(rings.size());
}

void BM_InkCharacter(benchmark::State& state) {
  static const std::vector<PixelRing> rings = characterRings();
  drawRings(state, rings);
}
BENCHMARK(BM_InkCharacter)->Unit(benchmark::kMillisecond);

void BM_InkPage(benchmark::State& state) {
  static const std::vector<PixelRing> rings = pageRings();
  drawRings(state, rings);
}
BENCHMARK(BM_InkPage)->Unit(benchmark::kMillisecond);

// Presenting: the page's ink over a whole 1920 x 1080 picture.
void BM_InkComposite(benchmark::State& state) {
  static const std::vector<PixelRing> rings = pageRings();
  InkLayer ink(kImageWidth, kImageHeight);
  for (const PixelRing& r : rings) ink.ring(r.x, r.y, r.radius, {160, 140, 50});
  std::vector<std::uint32_t> picture(static_cast<std::size_t>(kImageWidth) * kImageHeight, 0xFFF0E8D8);
  for (auto _ : state) {
    ink.compositeOnto(picture.data(), kImageWidth, {0, 0, kImageWidth, kImageHeight});
    benchmark::DoNotOptimize(picture.data());
  }
}
BENCHMARK(BM_InkComposite)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sumimai::bench
