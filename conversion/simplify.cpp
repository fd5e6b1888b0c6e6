#include "simplify.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <queue>
#include <tuple>

namespace sumimai::strokes {
namespace {

double distance(Point2 a, Point2 b) { return std::hypot(a.x - b.x, a.y - b.y); }

// A stretch of a path between two kept points, with the point between them
// that the straight brush segment misses most (at least minSpacing from both).
// Or, with still set, a stroke's still start record, missed by the amount
// the previous stroke's end radius (where the brush would start without it)
// is off the stroke's own start radius.
struct Gap {
  double deviation = 0;
  std::size_t stroke = 0, a = 0, b = 0, worst = 0;
  bool still = false;
  bool operator<(const Gap& o) const {
    return std::tie(deviation, o.stroke, o.a) < std::tie(o.deviation, stroke, a);  // ties: earlier first
  }
};

std::optional<Gap> gapOf(const BrushPath& path, std::size_t stroke, std::size_t a, std::size_t b, double minSpacing) {
  Gap gap{-1, stroke, a, b, a};
  for (std::size_t i = a + 1; i < b; ++i) {
    if (distance(path[i].at, path[a].at) < minSpacing || distance(path[i].at, path[b].at) < minSpacing) continue;
    double d = brushDeviation(path[a], path[b], path[i]);
    if (d > gap.deviation) gap.deviation = d, gap.worst = i;
  }
  if (gap.worst == a) return std::nullopt;
  return gap;
}

// Too small a start disc leaves the outline uncovered; too large a one
// spills ink past it, which counts double as in brushDeviation.
Gap stillGap(const std::vector<BrushPath>& strokes, std::size_t s) {
  double previous = s == 0 || strokes[s - 1].empty() ? 0 : strokes[s - 1].back().radius;
  double own = strokes[s].front().radius;
  return {own > previous ? own - previous : 2 * (previous - own), s, 0, 0, 0, true};
}

}  // namespace

double brushDeviation(const BrushPoint& a, const BrushPoint& b, const BrushPoint& p) {
  double dx = b.at.x - a.at.x, dy = b.at.y - a.at.y;
  double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.at.x - a.at.x) * dx + (p.at.y - a.at.y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  Point2 foot{a.at.x + t * dx, a.at.y + t * dy};
  double radius = a.radius + t * (b.radius - a.radius);
  double over = radius - p.radius;  // a radius too large spills ink past the outline: counts double
  return distance(foot, p.at) + (over > 0 ? 2 * over : -over);
}

BrushPath simplifyPath(const BrushPath& path, double tolerance, double minSpacing) {
  return simplifyToBudget({path}, std::numeric_limits<int>::max(), tolerance, minSpacing).strokes.front();
}

Simplified simplifyToBudget(const std::vector<BrushPath>& strokes, int budget, double minTolerance,
                            double minSpacing, StillStarts stillStarts) {
  std::vector<std::vector<bool>> keep;
  std::vector<bool> still(strokes.size(), false);
  std::priority_queue<Gap> gaps;
  int records = 0;
  for (std::size_t s = 0; s < strokes.size(); ++s) {
    const BrushPath& path = strokes[s];
    keep.emplace_back(path.size(), false);
    if (path.empty()) continue;
    keep[s].front() = keep[s].back() = true;
    still[s] = path.size() == 1 || stillStarts == StillStarts::Always;
    records += path.size() == 1 ? 1 : 1 + (still[s] ? 1 : 0);  // the end segment, and the still record
    if (!still[s]) gaps.push(stillGap(strokes, s));
    if (auto gap = gapOf(path, s, 0, path.size() - 1, minSpacing)) gaps.push(*gap);
  }
  while (!gaps.empty() && records < budget && gaps.top().deviation > minTolerance) {
    Gap g = gaps.top();
    gaps.pop();
    ++records;
    if (g.still) {
      still[g.stroke] = true;
      continue;
    }
    keep[g.stroke][g.worst] = true;
    for (auto [a, b] : {std::pair{g.a, g.worst}, std::pair{g.worst, g.b}})
      if (auto gap = gapOf(strokes[g.stroke], g.stroke, a, b, minSpacing)) gaps.push(*gap);
  }
  Simplified result{{}, still, std::max(minTolerance, gaps.empty() ? 0.0 : gaps.top().deviation), records};
  for (std::size_t s = 0; s < strokes.size(); ++s) {
    BrushPath kept;
    for (std::size_t i = 0; i < strokes[s].size(); ++i)
      if (keep[s][i]) kept.push_back(strokes[s][i]);
    result.strokes.push_back(std::move(kept));
  }
  return result;
}

}  // namespace sumimai::strokes
