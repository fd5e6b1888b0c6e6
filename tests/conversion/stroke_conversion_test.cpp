// The converter's parts: reading the source SVG, the brush path along a
// stroke, thinning it, and the stroke records.
#include <gtest/gtest.h>

#include <cmath>

#include "conversion/brush_trace.h"
#include "conversion/glyph_svg.h"
#include "conversion/outline.h"
#include "conversion/simplify.h"
#include "conversion/stroke_records.h"

namespace sumimai::strokes {
namespace {

Contour rectangle(double left, double top, double right, double bottom) {
  return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

// A horizontal bar 800 long and 64 high, centred on y = 512.
SourceStroke bar(std::vector<Point2> centreLine) {
  return {{rectangle(100, 480, 900, 544)}, std::move(centreLine), {}, 1};
}

TEST(FlattenPath, FollowsLinesAndCurvesToTheirEndsAndSplitsSubpaths) {
  std::vector<Contour> contours;
  std::string problem;
  ASSERT_TRUE(flattenPath("M0 0L10 0Q20 0 20 10C20 20 10 20 0 20Z M50 50 L60 60", contours, problem, 4));
  ASSERT_EQ(contours.size(), 2u);
  ASSERT_EQ(contours[0].size(), 1u + 1 + 4 + 4);
  EXPECT_DOUBLE_EQ(contours[0][3].x, 17.5);  // the quadratic at t = 0.5: (10 + 2 * 20 + 20) / 4
  EXPECT_DOUBLE_EQ(contours[0][3].y, 2.5);
  EXPECT_DOUBLE_EQ(contours[0][5].x, 20);
  EXPECT_DOUBLE_EQ(contours[0][5].y, 10);
  EXPECT_DOUBLE_EQ(contours[0].back().x, 0);
  EXPECT_DOUBLE_EQ(contours[0].back().y, 20);
  EXPECT_EQ(contours[1].size(), 2u);
}

TEST(FlattenPath, RefusesWhatItCannotRead) {
  for (const char* data : {"M0 0A5 5 0 0 1 10 10", "M0 0L10", "L10 10", "M0 0L1x 5"}) {
    std::vector<Contour> contours;
    std::string problem;
    EXPECT_FALSE(flattenPath(data, contours, problem)) << data;
    EXPECT_FALSE(problem.empty()) << data;
  }
}

TEST(ParseGlyphSvg, PairsEachOutlineWithItsCentreLineByStrokeNumber) {
  std::string svg =
      "<svg><path id=\"z1d1\" d=\"M0 0L10 0L10 10Z\"/><path id=\"z1d2\" d=\"M20 0L30 0L30 10Z\"/>"
      "<path style=\"--d:2s;\" clip-path=\"url(#z1c2)\" d=\"M21 1L29 9\"/>"
      "<path style=\"--d:1s;\" clip-path=\"url(#z1c1)\" d=\"M1 1L9 9L9 5\"/></svg>";
  GlyphRead read = parseGlyphSvg(svg);
  ASSERT_TRUE(read.ok()) << read.problem;
  ASSERT_EQ(read.strokes.size(), 2u);
  EXPECT_EQ(read.strokes[0].centreLine.size(), 3u);
  EXPECT_DOUBLE_EQ(read.strokes[1].centreLine[0].x, 21);
  EXPECT_DOUBLE_EQ(read.strokes[1].outline[0][0].x, 20);
}

TEST(ParseGlyphSvg, FailsOnAStrokeWithoutCentreLineOrWithoutOutline) {
  GlyphRead noCentre = parseGlyphSvg("<path id=\"z1d1\" d=\"M0 0L10 0L10 10Z\"/>");
  EXPECT_FALSE(noCentre.ok());
  EXPECT_NE(noCentre.problem.find("stroke 1"), std::string::npos);
  EXPECT_FALSE(parseGlyphSvg("<path clip-path=\"url(#z1c1)\" d=\"M1 1L9 9\"/>").ok());
  EXPECT_FALSE(parseGlyphSvg("<svg></svg>").ok());
}

TEST(OutlineGeometry, InsideDistanceAndCrossings) {
  Outline box({rectangle(0, 0, 100, 40)});
  EXPECT_TRUE(box.contains({50, 20}));
  EXPECT_FALSE(box.contains({150, 20}));
  EXPECT_DOUBLE_EQ(box.signedDistance({50, 10}), 10);
  EXPECT_DOUBLE_EQ(box.signedDistance({110, 20}), -10);
  std::vector<double> hits = box.crossings({-10, 20}, {1, 0});
  ASSERT_EQ(hits.size(), 2u);
  EXPECT_DOUBLE_EQ(hits[0], 10);
  EXPECT_DOUBLE_EQ(hits[1], 110);
}

// Every disc of the path stays inside the outline.
void expectInside(const SourceStroke& stroke, const BrushPath& path) {
  Outline outline(stroke.outline);
  for (const BrushPoint& p : path) EXPECT_LE(p.radius, outline.signedDistance(p.at) + 1e-9);
}

TEST(TraceStroke, ABarIsOneWideBrushWhoseEndDiscsReachTheTips) {
  SourceStroke stroke = bar({{80, 512}, {920, 512}});
  BrushPath path = traceStroke(stroke);
  ASSERT_GE(path.size(), 2u);
  expectInside(stroke, path);
  // The first disc reaches the left end (x 100) and starts as far in as it can.
  EXPECT_NEAR(path.front().at.x - path.front().radius, 100, 2);
  EXPECT_NEAR(path.front().radius, 32, 2);
  EXPECT_NEAR(path.back().at.x + path.back().radius, 900, 2);
  EXPECT_NEAR(path[path.size() / 2].radius, 32, 0.5);
}

TEST(TraceStroke, MovesAnOffCentreLineToTheMiddleAndExtendsOneThatStopsShort) {
  SourceStroke stroke = bar({{200, 500}, {800, 500}});  // 12 above the middle, 100 short of each end
  BrushPath path = traceStroke(stroke);
  expectInside(stroke, path);
  EXPECT_NEAR(path[path.size() / 2].at.y, 512, 0.5);
  EXPECT_NEAR(path[path.size() / 2].radius, 32, 0.5);
  EXPECT_NEAR(path.front().at.x - path.front().radius, 100, 2);
  EXPECT_NEAR(path.back().at.x + path.back().radius, 900, 2);
}

TEST(TraceStroke, ReachesIntoTheOuterCornerOfASharpTurn) {
  // An L: down the left side, then along the bottom; the centre line turns at (130, 870).
  SourceStroke stroke{{{{100, 100}, {160, 100}, {160, 840}, {900, 840}, {900, 900}, {100, 900}}},
                      {{130, 80}, {130, 870}, {920, 870}},
                      {},
                      1};
  BrushPath path = traceStroke(stroke);
  expectInside(stroke, path);
  double best = 1e9;  // how close a disc comes to the corner (100, 900)
  for (const BrushPoint& p : path) best = std::min(best, std::hypot(p.at.x - 100, p.at.y - 900) - p.radius);
  // The disc of radius 30 at the centre line's own corner stays 12.4 short of it.
  EXPECT_LT(best, 4);
}

TEST(BrushDeviation, AddsTheOffsetOfThePointToTheRadiusMissingThereCountingOvershootDouble) {
  BrushPoint a{{0, 0}, 1}, b{{10, 0}, 3};
  EXPECT_DOUBLE_EQ(brushDeviation(a, b, {{5, 2}, 2}), 2);   // 2 off the line, radius as interpolated
  EXPECT_DOUBLE_EQ(brushDeviation(a, b, {{5, 0}, 4}), 2);   // the segment's radius 2 falls 2 short
  EXPECT_DOUBLE_EQ(brushDeviation(a, b, {{5, 0}, 1}), 2);   // its radius 2 is 1 too large: counts 2
  EXPECT_DOUBLE_EQ(brushDeviation(a, b, {{-3, 4}, 1}), 5);  // before the start: measured from it
}

BrushPath line(int n, double dx, double dy, double r0, double dr) {
  BrushPath p;
  for (int i = 0; i < n; ++i) p.push_back({{i * dx, i * dy}, r0 + i * dr});
  return p;
}

TEST(SimplifyPath, KeepsEndsAndTurnsAndDropsWhatASegmentFollows) {
  EXPECT_EQ(simplifyPath(line(50, 2, 0, 5, 0.1), 0.5, 1).size(), 2u);
  BrushPath corner = line(20, 2, 0, 5, 0);
  for (int i = 1; i < 20; ++i) corner.push_back({{38, i * 2.0}, 5});
  BrushPath kept = simplifyPath(corner, 0.5, 1);
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_DOUBLE_EQ(kept[1].at.x, 38);
  EXPECT_DOUBLE_EQ(kept[1].at.y, 0);
}

TEST(SimplifyPath, DropsPointsCrowdingTheOneBeforeButKeepsTheLast) {
  BrushPath zigzag{{{0, 0}, 1}, {{10, 5}, 1}, {{10.5, 5}, 1}, {{20, 0}, 1}, {{20.5, 0}, 1}};
  BrushPath kept = simplifyPath(zigzag, 0.1, 2);
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_DOUBLE_EQ(kept[1].at.x, 10);
  EXPECT_DOUBLE_EQ(kept.back().at.x, 20.5);
}

TEST(SimplifyToBudget, SpendsTheBudgetWhereTheStrokesBendAndNoMoreThanNeeded) {
  std::vector<BrushPath> strokes;
  for (int s = 0; s < 10; ++s) {
    BrushPath wave;
    for (int i = 0; i < 200; ++i) wave.push_back({{i * 2.0, 20 * std::sin(i / (5.0 + s))}, 5 + 3 * std::cos(i / 7.0)});
    strokes.push_back(wave);
  }
  Simplified loose = simplifyToBudget(strokes, 10000, 1, 0.5);
  EXPECT_DOUBLE_EQ(loose.tolerance, 1);
  Simplified tight = simplifyToBudget(strokes, 60, 1, 0.5);
  EXPECT_LE(tight.records, 60);
  EXPECT_GT(tight.records, 40);  // the budget is used, not squandered
  EXPECT_GT(tight.tolerance, 1);
  for (const BrushPath& p : tight.strokes) EXPECT_GE(p.size(), 2u);
  EXPECT_EQ(simplifyToBudget(strokes, 5, 1, 0.5).records, 10);  // one segment a stroke is the least
  strokes.push_back(line(200, 2, 0.5, 5, 0.01));
  Simplified mixed = simplifyToBudget(strokes, 60, 1, 0.5);
  EXPECT_EQ(mixed.strokes.back().size(), 2u) << "a straight stroke needs only its ends";
}

TEST(SimplifyToBudget, BuysAStillStartOnlyWhereThePreviousEndRadiusIsOff) {
  // The first starts after nothing (radius 0); the second where the first
  // ended (radius 5); the third much thinner than that.
  std::vector<BrushPath> strokes{line(10, 2, 0, 5, 0), line(10, 0, 2, 5, 0), line(10, 2, 2, 1, 0)};
  Simplified s = simplifyToBudget(strokes, 99, 1, 0.5);
  EXPECT_EQ(s.stillStart, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(s.records, 5);
  EXPECT_EQ(simplifyToBudget(strokes, 4, 1, 0.5).stillStart, (std::vector<bool>{false, false, true}))
      << "a start disc too large spills, which counts double";
}

TEST(StrokeRecords, StartEachStrokeWithAStillKind1AndContinueWithKind2NeverZero) {
  std::vector<BrushPath> strokes{{{{1, 2}, 0.5}, {{3, 4}, 1}, {{5, 4}, 2}}, {{{-1, 0}, 0.01}, {{7, 8}, 0}}};
  std::vector<StrokeRecord> records = strokeRecords(strokes, {10, {5, 0}});
  std::vector<StrokeRecord> expected{{15, 20, 15, 20, 1, 5},   {15, 20, 35, 40, 2, 10}, {35, 40, 55, 40, 2, 20},
                                     {1, 1, 1, 1, 1, 1},       {1, 1, 75, 80, 2, 1}};
  EXPECT_EQ(records, expected);
  std::vector<StrokeRecord> saved = strokeRecords(strokes, {10, {5, 0}}, {true, false});
  expected.erase(expected.begin() + 3);
  expected[3].Kind = 1;
  EXPECT_EQ(saved, expected) << "without its still record, a stroke begins with a Kind 1 segment";
}

}  // namespace
}  // namespace sumimai::strokes
