#include "bristles.h"

#include <algorithm>
#include <cmath>

#include "drawing/raster/seeded_noise.h"

namespace sumimai {
namespace {

std::uint64_t mixed(std::uint64_t seed, std::uint64_t stroke) {
  return SeededRandom(seed ^ (stroke + 1) * 0x9E3779B97F4A7C15ull).next();
}

double smoothstep(double a, double b, double x) {
  const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

}  // namespace

Bristles::Bristles(std::uint64_t seed, std::uint64_t stroke) {
  SeededRandom random(mixed(seed, stroke));
  // Bristles of 2 to 8 lanes, bunched: their supply follows a slow wave
  // across the width (neighbouring hairs hold ink alike) plus each one's own.
  const double phase = random.unit() * 6.283, wave = random.between(1.5, 3.5);
  const double phase2 = random.unit() * 6.283, wave2 = random.between(5.0, 9.0);
  int lane = 0;
  while (lane < kBrushLanes && count_ < kMost) {
    const int width = std::min(kBrushLanes - lane, 2 + static_cast<int>(random.unit() * 7));
    const double u = (lane + width / 2.0) / kBrushLanes;  // 0..1 across
    Bristle& b = bristles_[static_cast<std::size_t>(count_)];
    const double bunch = 0.55 * std::sin(phase + u * wave * 6.283) + 0.3 * std::sin(phase2 + u * wave2 * 6.283);
    b.supply = static_cast<float>(std::max(0.25, 1.0 + 0.5 * bunch + random.between(-0.25, 0.25)));
    b.threshold = static_cast<float>(random.between(0.38, 0.55));
    Breaks& breaks = breaks_[static_cast<std::size_t>(count_)];
    for (int k = 0; k < kBreakSteps; ++k) breaks[static_cast<std::size_t>(k)] = static_cast<float>(random.unit());
    breaks[kBreakSteps] = breaks[0];
    for (int k = 0; k < width; ++k) laneBristle_[static_cast<std::size_t>(lane + k)] = static_cast<std::uint8_t>(count_);
    lane += width;
    ++count_;
  }
  for (int l = 0; l < kBrushLanes; ++l) {
    const Breaks& breaks = breaksAtLane(l);
    std::copy(breaks.begin(), breaks.end(), laneBreaks_.begin() + l * (kBreakSteps + 1));
  }
}

LaneShades shadesAt(const Bristles& bristles, double load) {
  LaneShades shades;
  const double density = 0.80 + 0.20 * std::clamp(load, 0.0, 1.0);
  for (int lane = 0; lane < kBrushLanes; ++lane) {
    const Bristle& b = bristles.atLane(lane);
    const double u = std::fabs((lane + 0.5) / kBrushLanes * 2 - 1);
    const double ink = load * b.supply;
    const std::size_t i = static_cast<std::size_t>(lane);
    shades.density[i] = static_cast<float>(std::min(1.0, density + 0.14 * smoothstep(0.78, 0.97, u)));
    if (ink >= b.threshold) {
      shades.bare[i] = -1000;
    } else {
      // The drier the bristle, the more of the paper it leaves bare.
      const double dryness = std::pow(1 - ink / b.threshold, 0.8);
      shades.bare[i] = static_cast<float>(dryness * 255 * 1.05 - LaneShades::kGrainRamp * 0.5);
    }
  }
  return shades;
}

}  // namespace sumimai
