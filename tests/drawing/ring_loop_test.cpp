// The ring loops this processor runs (one pixel at a time, AVX2, AVX-512)
// must leave the same ink: the fast ones pair, pack and clip spans in ways
// the plain one does not.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "drawing/raster/ring_shape.h"

namespace sumimai::raster {
namespace {

constexpr int kWidth = 160, kHeight = 120;

struct Planes {
  std::vector<std::uint32_t> top = std::vector<std::uint32_t>(kWidth * kHeight + kPlanePadding);
  std::vector<std::uint32_t> below = std::vector<std::uint32_t>(kWidth * kHeight + kPlanePadding);
};

// Draws a ring as the layer does, within the area [0, kWidth) x [0, kHeight).
void drawRing(Planes& planes, float cx, float cy, float radius, std::uint32_t rgb, RingLoop loop) {
  const RingShape shape(cx, cy, radius, rgb);
  const IndexRange rows = centresWithin(cy - shape.reach, cy + shape.reach, 0, kHeight);
  const IndexRange cols = centresWithin(cx - shape.reach, cx + shape.reach, 0, kWidth);
  if (rows.empty() || cols.empty()) return;
  (void)coverRing(shape, rows, cols.first, cols.last, {planes.top.data(), planes.below.data(), kWidth}, loop);
}

// Rings of every size, some cut by the edges, in two colours so that the
// loops also meet ink of another colour.
Planes drawMany(RingLoop loop) {
  Planes planes;
  std::srand(7);
  auto random = [](float lo, float hi) { return lo + (hi - lo) * static_cast<float>(std::rand()) / RAND_MAX; };
  for (int i = 0; i < 3000; ++i) {
    const float radius = i % 3 == 0 ? random(0, 2) : i % 3 == 1 ? random(2, 9) : random(9, 60);
    const std::uint32_t rgb = i % 7 == 0 ? 0xC8C800 : 0xA08C32;
    drawRing(planes, random(-20, kWidth + 20), random(-20, kHeight + 20), radius, rgb, loop);
  }
  return planes;
}

TEST(RingLoops, EveryLoopLeavesTheSameInk) {
  const Planes plain = drawMany(RingLoop::Scalar);
  int inked = 0;
  for (RingLoop loop : {RingLoop::Avx2, RingLoop::Avx512}) {
    if (!ringLoopAvailable(loop)) continue;
    SCOPED_TRACE(static_cast<int>(loop));
    const Planes fast = drawMany(loop);
    for (int i = 0; i < kWidth * kHeight; ++i) {
      const int a = static_cast<int>(plain.top[i] >> 24), b = static_cast<int>(fast.top[i] >> 24);
      ASSERT_NEAR(a, b, 1) << "pixel " << i % kWidth << "," << i / kWidth;
      if (a > 0 && b > 0) {
        ASSERT_EQ(plain.top[i] & 0xFFFFFF, fast.top[i] & 0xFFFFFF) << i;
      }
      for (int shift = 0; shift < 32; shift += 8) {
        ASSERT_NEAR(static_cast<int>(plain.below[i] >> shift & 0xFF), static_cast<int>(fast.below[i] >> shift & 0xFF), 1)
            << i;
      }
      inked += a > 0;
    }
  }
  EXPECT_GT(inked, 0);
  // The padding past the last pixel stays as it was.
  for (std::size_t i = kWidth * kHeight; i < plain.top.size(); ++i) EXPECT_EQ(plain.top[i], 0u);
}

}  // namespace
}  // namespace sumimai::raster
