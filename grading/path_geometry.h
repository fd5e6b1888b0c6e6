// Paths of points in the character's source box (1024 x 1024 units, y
// downwards) and the measures the grader compares them by.
#pragma once

#include <span>
#include <vector>

namespace sumimai::grading {

struct Point {
  double x = 0;
  double y = 0;
  bool operator==(const Point&) const = default;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(Point a, double f) { return {a.x * f, a.y * f}; }

double distance(Point a, Point b);

// One stroke: the points in the order they were written.
using Path = std::vector<Point>;

double arcLength(std::span<const Point> path);

// `count` points (at least 2) spaced evenly along the path by arc length,
// the first at its start and the last at its end; a path of one point, or
// of no length, gives that point `count` times. An empty path gives none.
Path resampled(std::span<const Point> path, int count);

// The mean of the points (the origin for none).
Point centroid(std::span<const Point> path);

// The path moved by `by`.
Path shifted(std::span<const Point> path, Point by);

// The mean distance between two paths matched point to point by dynamic
// time warping, each step of the matching weighted so that any matching of
// paths of n and m points weighs n + m in all: for two identical paths 0,
// for two paths a constant distance d apart point for point, d. Infinite
// when either path is empty.
double warpedDistance(std::span<const Point> a, std::span<const Point> b);

}  // namespace sumimai::grading
