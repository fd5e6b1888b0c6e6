// The ring kernel, on every instruction set it was built for that this
// processor runs, against a plain per-pixel computation of the ink model:
// each ring must leave every pixel as combining (raster::combine) the
// coverage the model gives it, within one step of 255, and touch nothing
// else. The kernel packs rows and spans into vectors and reads past them;
// rings of every size, clipped at the edges, over another colour, on layers
// narrower than a vector and far from the origin exercise those paths.
#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "drawing/raster/ring_shape.h"

namespace sumimai::raster {
namespace {

constexpr std::uint32_t kInk = 0xA08C32, kYellow = 0xC8C800;
constexpr std::uint32_t kSentinel = 0x5A123456;  // in the padding and the columns past the area

// The coverage byte of a pixel whose centre lies d from the centre of a ring:
// the share of the pixel inside the disc of radius + 0.5 less the share
// inside the hole of radius - 0.5. A share ramps from nothing 13/30 pixel
// outside its edge to all 13/30 pixel inside, and is at most the disc's (or
// hole's) area.
int modelCoverage(double d, double radius) {
  const double pi = 3.14159265358979;
  auto share = [&](double edge) {
    return std::clamp(0.5 + (edge - d) * 15 / 13, 0.0, std::min(1.0, pi * edge * edge));
  };
  const double c = std::max(0.0, share(radius + 0.5) - (radius > 0.5 ? share(radius - 0.5) : 0.0));
  return static_cast<int>(std::floor(c * 255 + 0.5));
}

// The pixels [0, width) x [0, height) of planes whose rows are `stride`
// pixels long; the columns past the width and the padding hold kSentinel.
struct Raster {
  int width, height, stride;
  std::vector<std::uint32_t> top, below;
  Raster(int w, int h, int s)
      : width(w), height(h), stride(s), top(static_cast<std::size_t>(s) * h + kPlanePadding, kSentinel),
        below(top) {
    for (int y = 0; y < h; ++y) std::fill_n(top.begin() + y * s, w, 0u), std::fill_n(below.begin() + y * s, w, 0u);
  }
  PixelPlanes planes() { return {top.data(), below.data(), static_cast<std::size_t>(stride)}; }
};

// Whether the kernel's pixel (top, below) is what combining some coverage
// within [lo, hi] of rgb into the pixel as it was (wasTop, wasBelow) gives.
bool combinesWithin(std::uint32_t top, std::uint32_t below, std::uint32_t wasTop, std::uint32_t wasBelow,
                    std::uint32_t rgb, int lo, int hi) {
  for (int c = std::max(lo, 0); c <= std::min(hi, 255); ++c) {
    std::uint32_t t = wasTop, b = wasBelow;
    combine(t, b, static_cast<std::uint32_t>(c), rgb);
    if (t == top && b == below) return true;
  }
  return false;
}

// Draws one ring with the kernel into `kernel` and checks each pixel near it
// against the model and against `before`, the planes as they were (then
// updated to match). The kernel works out distances in float: far from the
// origin they may be off by a few parts in 2^24 of the coordinates.
void checkRing(Raster& kernel, Raster& before, float cx, float cy, float radius, std::uint32_t rgb) {
  const PixelRect box = coverRing(cx, cy, radius, rgb, {0, 0, kernel.width, kernel.height}, kernel.planes());
  const double x = cx, y = cy, r = radius;
  const double slack = std::ldexp(std::abs(x) + std::abs(y) + r + kernel.width + kernel.height, -21);
  // Beyond radius + 1 of the centre (along either axis), no ink.
  const auto clip = [](double v, int limit) { return static_cast<int>(std::clamp<double>(v, 0, limit)); };
  const int x0 = clip(std::floor(x - r - 1), kernel.width), x1 = clip(std::ceil(x + r + 1), kernel.width);
  const int y0 = clip(std::floor(y - r - 1), kernel.height), y1 = clip(std::ceil(y + r + 1), kernel.height);
  for (int py = y0; py < y1; ++py) {
    for (int px = x0; px < x1; ++px) {
      const double d = std::hypot(px + 0.5 - x, py + 0.5 - y);
      // The coverage is highest on the ring, falling off to both sides.
      const int lo = std::min(modelCoverage(d - slack, r), modelCoverage(d + slack, r));
      const int hi = std::max({modelCoverage(d - slack, r), modelCoverage(d + slack, r),
                               modelCoverage(std::clamp(r, d - slack, d + slack), r)});
      const std::size_t i = static_cast<std::size_t>(py) * kernel.stride + px;
      const std::uint32_t top = kernel.top[i], below = kernel.below[i];
      if (top != before.top[i] || below != before.below[i]) {
        ASSERT_TRUE(px >= box.left && px < box.right && py >= box.top && py < box.bottom) << px << "," << py;
      }
      ASSERT_TRUE(combinesWithin(top, below, before.top[i], before.below[i], rgb, lo - 1, hi + 1))
          << "ring " << cx << "," << cy << " r " << radius << " pixel " << px << "," << py << ": coverage "
          << (top >> 24) << ", model " << lo << ".." << hi;
      before.top[i] = top, before.below[i] = below;
    }
  }
}

float random(float lo, float hi) { return lo + (hi - lo) * static_cast<float>(std::rand() / (RAND_MAX + 1.0)); }

// Rings of every size about and across a layer of w x h in a plane of
// `stride`, in two colours, each checked; then nothing else may differ.
void checkManyRings(int w, int h, int stride, int count) {
  Raster kernel(w, h, stride), before(w, h, stride);
  for (int i = 0; i < count; ++i) {
    const float radius = i % 4 == 0 ? random(0, 2) : i % 4 == 1 ? random(2, 9) : i % 4 == 2 ? random(9, 60)
                                                                                           : random(60, 200);
    const float margin = std::min(radius, 20.0f);
    checkRing(kernel, before, random(-margin, w + margin), random(-margin, h + margin), radius,
              i % 7 == 0 ? kYellow : kInk);
    if (testing::Test::HasFatalFailure()) return;
  }
  EXPECT_EQ(kernel.top, before.top);
  EXPECT_EQ(kernel.below, before.below);
}

// Runs check once for each target the kernel has on this processor.
template <class Check>
void onEveryTarget(Check check) {
  const std::vector<std::int64_t> targets = ringKernelTargets();
  ASSERT_FALSE(targets.empty());
  for (std::int64_t target : targets) {
    SCOPED_TRACE(hwy::TargetName(target));
    hwy::SetSupportedTargetsForTest(target);
    std::srand(7);
    check();
  }
  hwy::SetSupportedTargetsForTest(0);
}

TEST(RingKernel, EveryTargetLeavesTheModelsInk) {
  onEveryTarget([] { checkManyRings(160, 120, 167, 1200); });
}

TEST(RingKernel, EveryTargetKeepsToNarrowLayers) {
  // Rows shorter than a vector: a group's run reaches into the next rows.
  onEveryTarget([] {
    for (int w : {1, 3, 5, 13, 37}) checkManyRings(w, 9, w, 200);
  });
}

TEST(RingKernel, EveryTargetDrawsHugeAndFarAwayRings) {
  onEveryTarget([] {
    Raster kernel(100, 80, 100), before(100, 80, 100);
    const float rings[][3] = {
        {-1e4f + 40.3f, 30.7f, 1e4f},       // spans found in float
        {50.2f, 1e5f + 60.1f, 1e5f},        // in double
        {-3e6f, 60.5f, 3e6f + 50.5f},       // coarse, yet within reach
        {50, 40, 5000},                     // the layer inside the hole
        {7e4f, -7e4f, 99000.4f},
    };
    for (const auto& r : rings) {
      checkRing(kernel, before, r[0], r[1], r[2], kInk);
      if (testing::Test::HasFatalFailure()) return;
    }
    EXPECT_EQ(kernel.top, before.top);
  });
}

TEST(RingKernel, UsesTheVectorsOfThisProcessor) {
  // A build for the architecture's baseline still has the vector kernels.
  const std::vector<std::int64_t> targets = ringKernelTargets();
  const std::int64_t supported = hwy::SupportedTargets();
#if HWY_ARCH_X86
  const std::vector<std::int64_t> vectorTargets = {HWY_SSE4, HWY_AVX2, HWY_AVX3};
#elif HWY_ARCH_ARM_A64
  const std::vector<std::int64_t> vectorTargets = {HWY_NEON};
#else
  const std::vector<std::int64_t> vectorTargets;
#endif
  for (std::int64_t vectors : vectorTargets) {
    if (supported & vectors) {
      EXPECT_NE(std::find(targets.begin(), targets.end(), vectors), targets.end()) << hwy::TargetName(vectors);
    }
  }
}

}  // namespace
}  // namespace sumimai::raster
