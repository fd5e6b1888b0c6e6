// The fidelity measure on shapes whose answer is known: a brush stroke drawn
// by the program over exactly its own outline, the same stroke moved aside,
// and a stroke left out.
#include <gtest/gtest.h>

#include <cmath>

#include "conversion/fidelity.h"
#include "conversion/stroke_records.h"
#include "data_files/stroke_file_text.h"

namespace sumimai::strokes {
namespace {

// The outline of a round-ended bar from (x0, y) to (x1, y) of radius r, in source units.
Contour capsule(double x0, double x1, double y, double r) {
  Contour c;
  for (int i = 0; i <= 32; ++i) {
    double a = M_PI / 2 + M_PI * i / 32;
    c.push_back({x0 + r * std::cos(a), y - r * std::sin(a)});
  }
  for (int i = 0; i <= 32; ++i) {
    double a = -M_PI / 2 + M_PI * i / 32;
    c.push_back({x1 + r * std::cos(a), y - r * std::sin(a)});
  }
  return c;
}

GlyphRead twoBars() {
  GlyphRead g;
  g.strokes.push_back({{capsule(200, 800, 300, 40)}, {{200, 300}, {800, 300}}, {}, 1});
  g.strokes.push_back({{capsule(200, 800, 700, 40)}, {{200, 700}, {800, 700}}, {}, 1});
  return g;
}

// The bars as a stroke file, the second moved right by shift.
std::string barsFile(double shift, int strokes = 2) {
  std::vector<BrushPath> paths{{{{200, 300}, 40}, {{800, 300}, 40}}, {{{200 + shift, 700}, 40}, {{800 + shift, 700}, 40}}};
  paths.resize(static_cast<std::size_t>(strokes));
  return strokeFileText("test", strokeRecords(paths, {10, {}}));
}

TEST(Fidelity, AStrokeDrawnOverItsOwnOutlineCoversItAndStaysInside) {
  Fidelity f = measureFidelity(twoBars(), barsFile(0), 600);
  ASSERT_TRUE(f.ok()) << f.problem;
  EXPECT_GT(f.covered, 0.995);
  EXPECT_LT(f.outside, 0.005);
  EXPECT_GT(f.coveredStrict, 0.97);
  EXPECT_LT(f.outsideStrict, 0.03);
  EXPECT_GT(f.worstStroke, 0.995);
  EXPECT_EQ(f.strokes, 2);
  EXPECT_GT(f.height, 250);
}

TEST(Fidelity, InkMovedAsideLeavesGlyphUncoveredAndInkOutside) {
  Fidelity f = measureFidelity(twoBars(), barsFile(60), 600);
  ASSERT_TRUE(f.ok()) << f.problem;
  // The second bar misses 60 x 80 of its 53,000 units, and so much ink spills.
  EXPECT_NEAR(f.covered, 1 - 0.5 * 4800 / 53000, 0.01);
  EXPECT_NEAR(f.outside, 0.5 * 4800 / 53000, 0.01);
  EXPECT_NEAR(f.worstStroke, 1 - 4800.0 / 53000, 0.02);
  EXPECT_EQ(f.worstStrokeNumber, 2);
}

TEST(Fidelity, AStrokeLeftOutIsAProblem) {
  Fidelity f = measureFidelity(twoBars(), barsFile(0, 1), 600);
  EXPECT_FALSE(f.ok());
  EXPECT_NE(f.problem.find("1 strokes drawn of 2"), std::string::npos);
}

}  // namespace
}  // namespace sumimai::strokes
