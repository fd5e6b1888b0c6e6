// A stroke's outline as a region: inside tests and distances to its edge, in
// the source's units.
#pragma once

#include <optional>
#include <vector>

#include "glyph_source.h"

namespace sumimai::strokes {

class Outline {
 public:
  explicit Outline(std::vector<Contour> contours);

  // Inside by the even-odd rule.
  bool contains(Point2 p) const;

  // Distance from p to the nearest point of the edge.
  double edgeDistance(Point2 p) const;

  // Positive inside, negative outside: the radius of the largest circle
  // centred at p that stays inside (or, outside, minus the gap to the edge).
  double signedDistance(Point2 p) const {
    double d = edgeDistance(p);
    return contains(p) ? d : -d;
  }

  // Distances along the ray from p in direction dir (a unit vector) at which
  // it crosses the edge, in increasing order.
  std::vector<double> crossings(Point2 p, Point2 dir) const;

 private:
  struct Edge {
    Point2 a, b;
  };
  std::vector<Edge> edges_;
};

}  // namespace sumimai::strokes
