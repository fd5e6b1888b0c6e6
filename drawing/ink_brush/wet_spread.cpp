#include "wet_spread.h"

#include <algorithm>
#include <cmath>

#include "drawing/raster/pixel_arithmetic.h"

namespace sumimai {
namespace {

// The fringe's most coverage, just below what counts as ink at all.
constexpr float kFringe = 0.46f;

}  // namespace

void WetSpread::add(const Dwell& dwell, std::uint64_t now) {
  if (dwell.strength <= 0 || dwell.radius <= 0) return;
  spots_.push_back({dwell, now, 0});
}

// The pool (the brush's disc, a little denser than the stroke) and the
// fringe around it, `grown` 0..1 of its final width, which wanders with the
// paper's grain as ink runs along its fibres.
void WetSpread::lay(InkLayer& ink, const PaperPlace& paper, const Dwell& d, float grown) {
  const float width = (0.12f * d.radius + 1.5f) * d.strength * grown;
  const float reach = d.radius + width + 1;
  const PixelRect area = ink.drawableArea();
  const raster::IndexRange rows = raster::pixelsOverlapping(d.y - reach, d.y + reach, area.top, area.bottom);
  const raster::IndexRange columns = raster::pixelsOverlapping(d.x - reach, d.x + reach, area.left, area.right);
  if (rows.empty() || columns.empty()) return;
  const float pool = std::min(1.0f, 0.78f + 0.16f * d.load + 0.06f * d.strength);
  std::vector<std::uint8_t> run(static_cast<std::size_t>(columns.last - columns.first));
  for (int y = rows.first; y < rows.last; ++y) {
    const float dy = y + 0.5f - d.y;
    for (int x = columns.first; x < columns.last; ++x) {
      const float dx = x + 0.5f - d.x;
      const float r = std::sqrt(dx * dx + dy * dy);
      const float g = paper.grain->at(x + paper.originX, y + paper.originY) / 255.0f;
      // The pool is densest at the brush's middle and fades towards its rim.
      const float rim = std::clamp((r - 0.15f * d.radius) / (0.6f * d.radius), 0.0f, 1.0f);
      const float inside = (1 - rim * rim * (3 - 2 * rim)) * pool * (0.85f + 0.15f * g);
      float fringe = 0;
      if (width > 0 && r > d.radius - 1) {
        const float t = (r - d.radius) / width + (0.5f - g) * 0.6f;
        const float left = std::clamp(1 - t, 0.0f, 1.0f);
        const float facing = r > 0 ? (dx * d.openX + dy * d.openY) / r : 0;
        const float open = d.openX == 0 && d.openY == 0 ? 1 : std::clamp((facing + 0.2f) * 2.5f, 0.0f, 1.0f);
        fringe = kFringe * d.strength * open * left * std::sqrt(left);
      }
      run[static_cast<std::size_t>(x - columns.first)] =
          static_cast<std::uint8_t>(std::lround(255 * std::max(inside, fringe)));
    }
    ink.combineRun(columns.first, y, columns.last - columns.first, run.data(), d.colour);
  }
}

void WetSpread::advance(InkLayer& ink, const PaperPlace& paper, std::uint64_t now) {
  for (Spot& s : spots_) {
    const std::uint64_t age = now - s.born;
    int due = s.stagesLaid;
    while (due < kStages && age >= kSettleCalls * static_cast<std::uint64_t>(due) / (kStages - 1)) ++due;
    if (due > s.stagesLaid) lay(ink, paper, s.dwell, static_cast<float>(due) / kStages);
    s.stagesLaid = due;
  }
  std::erase_if(spots_, [](const Spot& s) { return s.stagesLaid == kStages; });
}

void WetSpread::settle(InkLayer& ink, const PaperPlace& paper) {
  for (const Spot& s : spots_) lay(ink, paper, s.dwell, 1);
  spots_.clear();
}

}  // namespace sumimai
