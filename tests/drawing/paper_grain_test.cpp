// The paper's grain: spread evenly, repeating without a seam, taken from a
// picture's own texture where there is one.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "drawing/ink_brush/paper_grain.h"
#include "drawing/raster/seeded_noise.h"

namespace sumimai {
namespace {

std::array<double, 4> quarterShares(const PaperGrain& grain) {
  std::array<double, 4> shares{};
  for (int y = 0; y < grain.height(); ++y)
    for (int x = 0; x < grain.width(); ++x) shares[static_cast<std::size_t>(grain.at(x, y) / 64)] += 1;
  for (double& s : shares) s /= grain.width() * grain.height();
  return shares;
}

TEST(PaperGrain, SeededGrainIsEvenRepeatsAndFollowsItsSeed) {
  const auto a = PaperGrain::seeded(5), b = PaperGrain::seeded(5), c = PaperGrain::seeded(6);
  for (double s : quarterShares(*a)) EXPECT_NEAR(s, 0.25, 0.01);
  int same = 0, differ = 0;
  for (int y = -300; y < 300; y += 7)
    for (int x = -300; x < 300; x += 5) {
      EXPECT_EQ(a->at(x, y), a->at(x + PaperGrain::kTile, y - 2 * PaperGrain::kTile));
      same += a->at(x, y) == b->at(x, y);
      differ += a->at(x, y) != c->at(x, y);
    }
  EXPECT_EQ(same, 86 * 120);
  EXPECT_GT(differ, 86 * 120 * 9 / 10);
  // Across the tile's edge the grain goes on as smoothly as within it.
  double across = 0, within = 0;
  for (int y = 0; y < PaperGrain::kTile; ++y) {
    across += std::abs(a->at(0, y) - a->at(-1, y));
    within += std::abs(a->at(100, y) - a->at(99, y));
  }
  EXPECT_LT(across, 1.5 * within);
}

TEST(PaperGrain, APicturesGrainFollowsItsTexture) {
  // A picture of paper whose fine texture is a noise of its own.
  constexpr int w = 160, h = 120;
  ValueNoise noise(99);
  std::vector<std::uint32_t> picture(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const auto v = static_cast<std::uint32_t>(180 + 60 * noise.at(x / 1.5, y / 1.5));
      picture[static_cast<std::size_t>(y) * w + x] = 0xFF000000u | v << 16 | v << 8 | v;
    }
  const auto grain = PaperGrain::ofPicture(picture.data(), w, h, w, 1);
  ASSERT_EQ(grain->width(), w);
  for (double s : quarterShares(*grain)) EXPECT_NEAR(s, 0.25, 0.02);
  // Brighter than its surroundings in the picture: higher in the grain.
  double sxy = 0, sxx = 0, syy = 0;
  for (int y = 3; y < h - 3; ++y)
    for (int x = 3; x < w - 3; ++x) {
      double mean = 0;
      for (int k = -2; k <= 2; ++k)
        for (int j = -2; j <= 2; ++j) mean += picture[static_cast<std::size_t>(y + k) * w + x + j] & 0xFF;
      const double detail = (picture[static_cast<std::size_t>(y) * w + x] & 0xFF) - mean / 25;
      const double g = grain->at(x, y) - 127.5;
      sxy += detail * g, sxx += detail * detail, syy += g * g;
    }
  EXPECT_GT(sxy / std::sqrt(sxx * syy), 0.6);
}

}  // namespace
}  // namespace sumimai
