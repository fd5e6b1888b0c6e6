#include "outline.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sumimai::strokes {

Outline::Outline(std::vector<Contour> contours) {
  for (const Contour& c : contours) {
    for (std::size_t i = 0; i < c.size(); ++i) {
      Point2 a = c[i], b = c[(i + 1) % c.size()];
      if (a.x != b.x || a.y != b.y) edges_.push_back({a, b});
    }
  }
}

bool Outline::contains(Point2 p) const {
  bool inside = false;
  for (const Edge& e : edges_) {
    if ((e.a.y > p.y) != (e.b.y > p.y)) {
      double x = e.a.x + (p.y - e.a.y) * (e.b.x - e.a.x) / (e.b.y - e.a.y);
      if (x > p.x) inside = !inside;
    }
  }
  return inside;
}

double Outline::edgeDistance(Point2 p) const {
  double best = std::numeric_limits<double>::infinity();
  for (const Edge& e : edges_) {
    double ex = e.b.x - e.a.x, ey = e.b.y - e.a.y;
    double t = ((p.x - e.a.x) * ex + (p.y - e.a.y) * ey) / (ex * ex + ey * ey);
    t = std::clamp(t, 0.0, 1.0);
    double dx = e.a.x + t * ex - p.x, dy = e.a.y + t * ey - p.y;
    best = std::min(best, dx * dx + dy * dy);
  }
  return std::sqrt(best);
}

std::vector<double> Outline::crossings(Point2 p, Point2 dir) const {
  std::vector<double> hits;
  for (const Edge& e : edges_) {
    // Solve p + s * dir = a + t * (b - a) for s >= 0 and t in [0, 1).
    double ex = e.b.x - e.a.x, ey = e.b.y - e.a.y;
    double denom = dir.x * ey - dir.y * ex;
    if (denom == 0) continue;
    double wx = e.a.x - p.x, wy = e.a.y - p.y;
    double s = (wx * ey - wy * ex) / denom;
    double t = (wx * dir.y - wy * dir.x) / denom;
    if (s >= 0 && t >= 0 && t < 1) hits.push_back(s);
  }
  std::sort(hits.begin(), hits.end());
  return hits;
}

}  // namespace sumimai::strokes
