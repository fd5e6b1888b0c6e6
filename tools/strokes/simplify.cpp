#include "simplify.h"

#include <algorithm>
#include <cmath>

namespace sumimai::strokes {
namespace {

double distance(Point2 a, Point2 b) { return std::hypot(a.x - b.x, a.y - b.y); }

void keepFarthest(const BrushPath& path, std::size_t a, std::size_t b, double tolerance,
                  std::vector<bool>& keep) {
  if (b <= a + 1) return;
  std::size_t worst = a;
  double worstDeviation = tolerance;
  for (std::size_t i = a + 1; i < b; ++i) {
    double d = brushDeviation(path[a], path[b], path[i]);
    if (d > worstDeviation) {
      worstDeviation = d;
      worst = i;
    }
  }
  if (worst == a) return;
  keep[worst] = true;
  keepFarthest(path, a, worst, tolerance, keep);
  keepFarthest(path, worst, b, tolerance, keep);
}

BrushPath withoutCrowding(const BrushPath& kept, double minSpacing) {
  BrushPath out{kept.front()};
  for (std::size_t i = 1; i < kept.size(); ++i) {
    bool last = i + 1 == kept.size();
    if (distance(kept[i].at, out.back().at) >= minSpacing) {
      out.push_back(kept[i]);
    } else if (last) {
      if (out.size() > 1) out.back() = kept[i];
      else out.push_back(kept[i]);
    }
  }
  return out;
}

int totalPoints(const std::vector<BrushPath>& strokes) {
  int n = 0;
  for (const BrushPath& s : strokes) n += static_cast<int>(s.size());
  return n;
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
  if (path.size() <= 2) return path;
  std::vector<bool> keep(path.size(), false);
  keep.front() = keep.back() = true;
  keepFarthest(path, 0, path.size() - 1, tolerance, keep);
  BrushPath kept;
  for (std::size_t i = 0; i < path.size(); ++i)
    if (keep[i]) kept.push_back(path[i]);
  return withoutCrowding(kept, minSpacing);
}

Simplified simplifyToBudget(const std::vector<BrushPath>& strokes, int budget, double minTolerance,
                            double minSpacing) {
  auto at = [&](double tolerance) {
    Simplified s{{}, tolerance, 0};
    for (const BrushPath& p : strokes) s.strokes.push_back(simplifyPath(p, tolerance, minSpacing));
    s.points = totalPoints(s.strokes);
    return s;
  };
  Simplified best = at(minTolerance);
  if (best.points <= budget) return best;
  double low = minTolerance, high = minTolerance;
  Simplified candidate = best;
  while (candidate.points > budget && high < 1e6) {
    low = high;
    high *= 2;
    candidate = at(high);
  }
  for (int i = 0; i < 40 && candidate.points <= budget; ++i) {
    double mid = (low + high) / 2;
    Simplified s = at(mid);
    if (s.points <= budget) {
      high = mid;
      candidate = std::move(s);
    } else {
      low = mid;
    }
    if (high - low < 0.01) break;
  }
  return candidate;
}

}  // namespace sumimai::strokes
