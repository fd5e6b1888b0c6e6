#include "ring_workloads.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace sumimai::bench {
namespace {

constexpr float kStep = 1.0f / 15;

// A small deterministic generator (the same workload in every run).
class Sequence {
 public:
  float next() {  // 0..1
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<float>(state_ >> 40) / static_cast<float>(1 << 24);
  }

 private:
  std::uint64_t state_ = 12345;
};

// Rings 1/15 pixel apart along the straight segment from (x0, y0) to (x1, y1),
// the radius going evenly from r0 to r1.
void brushSegment(std::vector<PixelRing>& out, float x0, float y0, float x1, float y1, float r0, float r1) {
  const float length = std::hypot(x1 - x0, y1 - y0);
  const int steps = std::max(1, static_cast<int>(length / kStep));
  for (int k = 1; k <= steps; ++k) {
    const float f = static_cast<float>(k) / steps;
    out.push_back({x0 + f * (x1 - x0), y0 + f * (y1 - y0), r0 + f * (r1 - r0)});
  }
}

}  // namespace

std::vector<PixelRing> characterRings() {
  std::vector<PixelRing> rings;
  rings.reserve(200000);
  // Strokes wandering over the middle of the image, swelling and narrowing.
  Sequence random;
  float x = 700, y = 300, radius = 2;
  while (rings.size() < 200000) {
    const float nx = 560 + 800 * random.next(), ny = 160 + 760 * random.next();
    const float nr = 2 + 33 * random.next();
    brushSegment(rings, x, y, nx, ny, radius, nr);
    x = nx, y = ny, radius = nr;
  }
  rings.resize(200000);
  return rings;
}

std::vector<PixelRing> pageRings() {
  std::vector<PixelRing> rings;
  rings.reserve(1500000);
  Sequence random;
  const float cellWidth = 64, cellHeight = 100;
  for (int cell = 0; rings.size() < 1500000; cell = (cell + 1) % 280) {
    const float left = 60 + (27 - cell / 10) * cellWidth, top = 40 + (cell % 10) * cellHeight;
    // A character: a few strokes of a few segments each within its cell.
    for (int stroke = 0; stroke < 6; ++stroke) {
      float x = left + 8 + 48 * random.next(), y = top + 8 + 84 * random.next(), radius = 0;
      for (int segment = 0; segment < 5; ++segment) {
        const float nx = left + 8 + 48 * random.next(), ny = top + 8 + 84 * random.next();
        const float nr = 4 * random.next();
        brushSegment(rings, x, y, nx, ny, radius, nr);
        x = nx, y = ny, radius = nr;
      }
    }
  }
  rings.resize(1500000);
  return rings;
}

}  // namespace sumimai::bench
