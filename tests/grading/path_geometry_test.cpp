// The measures the grader compares paths by.
#include <gtest/gtest.h>

#include <cmath>

#include "grading/path_geometry.h"

namespace sumimai::grading {
namespace {

TEST(Resampling, SpacesPointsEvenlyAlongThePath) {
  // An L whose two legs have 1 and 3 pieces: the points fall by length,
  // not by the points given, and the corner is passed through.
  const Path l = {{0, 0}, {100, 0}, {100, 20}, {100, 40}, {100, 100}};
  EXPECT_EQ(resampled(l, 5), (Path{{0, 0}, {50, 0}, {100, 0}, {100, 50}, {100, 100}}));
  // Points given twice add nothing.
  const Path doubled = {{0, 0}, {0, 0}, {100, 0}, {100, 0}, {100, 0}, {100, 100}, {100, 100}};
  EXPECT_EQ(resampled(doubled, 5), resampled(l, 5));
}

TEST(Resampling, KeepsAPathOfNoLengthAndNoPoints) {
  EXPECT_EQ(resampled(Path{{7, 8}}, 3), (Path{{7, 8}, {7, 8}, {7, 8}}));
  EXPECT_EQ(resampled(Path{{7, 8}, {7, 8}}, 2), (Path{{7, 8}, {7, 8}}));
  EXPECT_TRUE(resampled(Path{}, 4).empty());
}

TEST(WarpedDistance, IsTheMeanDistanceOfTheBestMatching) {
  const Path line = resampled(Path{{0, 0}, {300, 0}}, 16);
  EXPECT_DOUBLE_EQ(warpedDistance(line, line), 0);
  // Parallel, 10 apart: every point matched with its neighbour across.
  EXPECT_NEAR(warpedDistance(line, shifted(line, {0, 10})), 10, 1e-9);
  // The same line four times as finely sampled: each point meets the
  // nearest coarse one, less than a quarter of the coarse spacing (20) off.
  EXPECT_LT(warpedDistance(line, resampled(line, 61)), 5);
  // Backwards, the ends must still meet the ends: far from the line.
  const Path back(line.rbegin(), line.rend());
  EXPECT_GT(warpedDistance(line, back), 100);
  const Path bent = {{0, 0}, {150, 80}, {300, 0}};
  EXPECT_DOUBLE_EQ(warpedDistance(line, bent), warpedDistance(bent, line));
  EXPECT_TRUE(std::isinf(warpedDistance(line, Path{})));
}

}  // namespace
}  // namespace sumimai::grading
