// A stroke's outline as a region: inside tests and distances to its edge, in
// the source's units.
#pragma once

#include <optional>
#include <vector>

#include "glyph.h"

namespace sumimai::strokes {

class Outline {
 public:
  // contourPart gives each contour's part (empty: all one part). The region
  // is the union of the parts; within a part contours combine by even-odd.
  explicit Outline(const std::vector<Contour>& contours, const std::vector<int>& contourPart = {});
  explicit Outline(const SourceStroke& stroke) : Outline(stroke.outline, stroke.contourPart) {}

  bool contains(Point2 p) const;

  // Distance from p to the nearest point of the edge.
  double edgeDistance(Point2 p) const;

  // Positive inside, negative outside: the radius of the largest circle
  // centred at p that stays inside (or, outside, minus the gap to the edge).
  double signedDistance(Point2 p) const;

  // Distances along the ray from p in direction dir (a unit vector) at which
  // it crosses the edge, in increasing order.
  std::vector<double> crossings(Point2 p, Point2 dir) const;

 private:
  struct Edge {
    Point2 a, b;
    int part = 0;
  };
  bool insidePart(Point2 p, int part) const;
  // Where parts overlap or meet along a cut, the edges of one inside or on
  // another are no edge of the union: cut the edges into short pieces and
  // keep those with the region on one side only.
  void dropInnerEdges();
  std::vector<Edge> all_;    // every contour's edges: inside tests
  std::vector<Edge> edges_;  // the union's edges: distances and crossings
  int parts_ = 1;
};

}  // namespace sumimai::strokes
