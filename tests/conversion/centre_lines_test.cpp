// Mending centre lines that miss their strokes: exchanged between two
// strokes, or shrunk to a point; and lines that run inside their outlines
// left alone.
#include <gtest/gtest.h>

#include <cmath>

#include "conversion/brush_trace.h"
#include "conversion/centre_lines.h"

namespace sumimai::strokes {
namespace {

SourceStroke bar(Point2 from, Point2 to, double half) {
  // A rectangle around the segment, half wide on each side.
  const double dx = to.x - from.x, dy = to.y - from.y, l = std::hypot(dx, dy);
  const Point2 n{-dy / l * half, dx / l * half};
  SourceStroke s;
  s.outline = {{{from.x + n.x, from.y + n.y}, {to.x + n.x, to.y + n.y}, {to.x - n.x, to.y - n.y}, {from.x - n.x, from.y - n.y}}};
  s.centreLine = {from, to};
  return s;
}

double pathLength(const BrushPath& path) {
  double total = 0;
  for (std::size_t i = 1; i < path.size(); ++i) total += std::hypot(path[i].at.x - path[i - 1].at.x, path[i].at.y - path[i - 1].at.y);
  return total;
}

TEST(CentreLines, ExchangedLinesGoBackToTheirStrokesAndGoodOnesStay) {
  std::vector<SourceStroke> strokes{bar({100, 200}, {900, 200}, 30), bar({500, 100}, {500, 900}, 30),
                                    bar({100, 800}, {900, 800}, 30)};
  const std::vector<Point2> down = strokes[1].centreLine;
  std::swap(strokes[0].centreLine, strokes[2].centreLine);  // both lie outside their own outlines now
  EXPECT_EQ(shareInside(strokes[0].centreLine, strokes[0]), 0);
  EXPECT_EQ(mendCentreLines(strokes), 2);
  EXPECT_EQ(strokes[0].centreLine.front().y, 200);
  EXPECT_EQ(strokes[2].centreLine.front().y, 800);
  EXPECT_EQ(strokes[1].centreLine.front().x, down.front().x);
  EXPECT_EQ(mendCentreLines(strokes), 0);
  EXPECT_GT(pathLength(traceStroke(strokes[0])), 700);
}

TEST(CentreLines, APointOrAStrayLineBecomesALineAcrossTheOutlineFromTheNearerEnd) {
  std::vector<SourceStroke> strokes{bar({200, 300}, {800, 700}, 25), bar({100, 100}, {300, 100}, 20)};
  strokes[0].centreLine = {{210, 305}, {210, 305}};
  strokes[1].centreLine = {{600, 900}, {700, 950}};  // nowhere near, and no other stroke's either
  EXPECT_EQ(mendCentreLines(strokes), 2);
  EXPECT_GT(shareInside(strokes[0].centreLine, strokes[0]), 0.9);
  EXPECT_LT(strokes[0].centreLine.front().x, strokes[0].centreLine.back().x);  // begun near the given point
  EXPECT_GT(pathLength(traceStroke(strokes[0])), 550);
  EXPECT_GT(shareInside(strokes[1].centreLine, strokes[1]), 0.9);
}

}  // namespace
}  // namespace sumimai::strokes
