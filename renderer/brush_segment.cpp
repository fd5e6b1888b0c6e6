#include "brush_segment.h"

#include <algorithm>
#include <cmath>

namespace sumimai {

std::int64_t stepLimit(SizeF canvas) {
  double limit = 4.0 * (std::fabs(canvas.width) + std::fabs(canvas.height)) + 1000;
  return static_cast<std::int64_t>(std::min(limit, 1e8));
}

std::int64_t brushSteps(double adx, double ady, SizeF canvas) {
  double length = std::floor(std::sqrt(adx * adx + ady * ady));
  double limit = static_cast<double>(stepLimit(canvas));
  return static_cast<std::int64_t>(std::isfinite(length) ? std::min(length, limit) : limit);
}

void drawBrushSegment(Canvas& canvas, const BrushSegment& s, std::int64_t steps, int pacingRings,
                      Rgb colour) {
  const double L = static_cast<double>(steps);
  const double inc = (s.endRadius - s.startRadius) / L;
  const PointF start{static_cast<float>(s.sx), static_cast<float>(s.sy)};
  const double discRings = std::min(std::floor(s.startRadius), static_cast<double>(stepLimit(canvas.outerSize())));
  for (double r = 1; r <= discRings; ++r) canvas.drawRing({start, static_cast<float>(r), colour});
  for (std::int64_t k = 1; k <= steps; ++k) {
    const double kk = static_cast<double>(k);
    // k * (e - s) / L reaches the end point exactly at k = L.
    const PointF at{static_cast<float>(s.sx + kk * (s.ex - s.sx) / L),
                    static_cast<float>(s.sy + kk * (s.ey - s.sy) / L)};
    canvas.drawRing({at, static_cast<float>(s.startRadius + kk * inc), colour});
    for (int r = 1; r <= pacingRings; ++r) canvas.drawRing({at, static_cast<float>(r), colour});
  }
}

}  // namespace sumimai
