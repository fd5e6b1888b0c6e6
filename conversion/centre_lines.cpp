#include "centre_lines.h"

#include <cmath>
#include <utility>

#include "outline.h"

namespace sumimai::strokes {
namespace {

constexpr double kSpacing = 4.0;  // source units between the points tested along a line

double distance(Point2 a, Point2 b) { return std::hypot(a.x - b.x, a.y - b.y); }

double lengthOf(const std::vector<Point2>& line) {
  double total = 0;
  for (std::size_t i = 1; i < line.size(); ++i) total += distance(line[i - 1], line[i]);
  return total;
}

double shareInside(const std::vector<Point2>& line, const Outline& outline) {
  if (line.empty()) return 0;
  int inside = outline.contains(line.front()), tested = 1;
  for (std::size_t i = 1; i < line.size(); ++i) {
    const Point2 a = line[i - 1], b = line[i];
    const int pieces = std::max(1, static_cast<int>(std::ceil(distance(a, b) / kSpacing)));
    for (int k = 1; k <= pieces; ++k) {
      const double t = static_cast<double>(k) / pieces;
      inside += outline.contains({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
      ++tested;
    }
  }
  return static_cast<double>(inside) / tested;
}

// The line between the outline's two farthest points, from the one nearer to start.
std::vector<Point2> acrossOutline(const SourceStroke& stroke, Point2 start) {
  Point2 a = start, b = start;
  double farthest = -1;
  for (const Contour& c : stroke.outline)
    for (const Point2& p : c)
      for (const Contour& d : stroke.outline)
        for (const Point2& q : d)
          if (const double apart = distance(p, q); apart > farthest) farthest = apart, a = p, b = q;
  if (distance(b, start) < distance(a, start)) std::swap(a, b);
  return {a, b};
}

}  // namespace

double shareInside(const std::vector<Point2>& line, const SourceStroke& stroke) {
  return shareInside(line, Outline(stroke));
}

int mendCentreLines(std::vector<SourceStroke>& strokes) {
  std::vector<Outline> outlines;
  std::vector<bool> lost;
  for (const SourceStroke& s : strokes) {
    outlines.emplace_back(s);
    lost.push_back(s.centreLine.empty() || lengthOf(s.centreLine) < kSpacing ||
                   shareInside(s.centreLine, outlines.back()) == 0);
  }
  std::vector<std::vector<Point2>> given;
  for (const SourceStroke& s : strokes) given.push_back(s.centreLine);
  int mended = 0;
  for (std::size_t i = 0; i < strokes.size(); ++i) {
    if (!lost[i]) continue;
    std::size_t from = i;
    for (std::size_t j = 0; j < strokes.size() && from == i; ++j)
      if (j != i && lost[j] && lengthOf(given[j]) >= kSpacing && shareInside(given[j], outlines[i]) > 0.5) from = j;
    const Point2 start = given[i].empty() ? Point2{} : given[i].front();
    strokes[i].centreLine = from != i ? given[from] : acrossOutline(strokes[i], start);
    ++mended;
  }
  return mended;
}

}  // namespace sumimai::strokes
