#include "outline.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sumimai::strokes {
namespace {

// Whether the edge crosses the row through p to the right of p: the
// even-odd inside test counts these.
bool crossesRightOf(const auto& e, Point2 p) {
  return (e.a.y > p.y) != (e.b.y > p.y) && e.a.x + (p.y - e.a.y) * (e.b.x - e.a.x) / (e.b.y - e.a.y) > p.x;
}

double squaredDistance(const auto& e, Point2 p) {
  double ex = e.b.x - e.a.x, ey = e.b.y - e.a.y;
  double t = std::clamp(((p.x - e.a.x) * ex + (p.y - e.a.y) * ey) / (ex * ex + ey * ey), 0.0, 1.0);
  double dx = e.a.x + t * ex - p.x, dy = e.a.y + t * ey - p.y;
  return dx * dx + dy * dy;
}

}  // namespace

Outline::Outline(const std::vector<Contour>& contours, const std::vector<int>& contourPart) {
  for (std::size_t k = 0; k < contours.size(); ++k) {
    const Contour& c = contours[k];
    int part = k < contourPart.size() ? contourPart[k] : 0;
    parts_ = std::max(parts_, part + 1);
    for (std::size_t i = 0; i < c.size(); ++i) {
      Point2 a = c[i], b = c[(i + 1) % c.size()];
      if (a.x != b.x || a.y != b.y) all_.push_back({a, b, part});
    }
  }
  edges_ = all_;
  if (parts_ > 1) dropInnerEdges();
}

bool Outline::insidePart(Point2 p, int part) const {
  bool inside = false;
  for (const Edge& e : all_)
    if (e.part == part && crossesRightOf(e, p)) inside = !inside;
  return inside;
}

bool Outline::contains(Point2 p) const {
  for (int part = 0; part < parts_; ++part)
    if (insidePart(p, part)) return true;
  return false;
}

void Outline::dropInnerEdges() {
  constexpr double kPiece = 2.0;   // length of the pieces tested
  constexpr double kAside = 0.25;  // how far beside a piece its two sides are tested
  std::vector<Edge> kept;
  for (const Edge& e : edges_) {
    double length = std::hypot(e.b.x - e.a.x, e.b.y - e.a.y);
    int pieces = std::max(1, static_cast<int>(std::ceil(length / kPiece)));
    Point2 aside{-(e.b.y - e.a.y) / length * kAside, (e.b.x - e.a.x) / length * kAside};
    for (int i = 0; i < pieces; ++i) {
      auto at = [&](double t) { return Point2{e.a.x + (e.b.x - e.a.x) * t, e.a.y + (e.b.y - e.a.y) * t}; };
      Point2 mid = at((i + 0.5) / pieces);
      // An edge of the union has the region on one side only: a piece inside
      // another part, or where two parts meet along a cut, has it on both.
      bool left = contains({mid.x + aside.x, mid.y + aside.y}), right = contains({mid.x - aside.x, mid.y - aside.y});
      if (left != right) kept.push_back({at(static_cast<double>(i) / pieces), at(static_cast<double>(i + 1) / pieces), e.part});
    }
  }
  edges_ = std::move(kept);
}

double Outline::edgeDistance(Point2 p) const {
  double best = std::numeric_limits<double>::infinity();
  for (const Edge& e : edges_) best = std::min(best, squaredDistance(e, p));
  return std::sqrt(best);
}

double Outline::signedDistance(Point2 p) const {
  if (parts_ > 1) return contains(p) ? edgeDistance(p) : -edgeDistance(p);
  // One part: its edges are the union's, so one pass finds both.
  double best = std::numeric_limits<double>::infinity();
  bool inside = false;
  for (const Edge& e : edges_) {
    if (crossesRightOf(e, p)) inside = !inside;
    best = std::min(best, squaredDistance(e, p));
  }
  return inside ? std::sqrt(best) : -std::sqrt(best);
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
