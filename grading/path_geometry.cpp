#include "path_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sumimai::grading {

double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

double arcLength(std::span<const Point> path) {
  double length = 0;
  for (std::size_t i = 1; i < path.size(); ++i) length += distance(path[i - 1], path[i]);
  return length;
}

Path resampled(std::span<const Point> path, int count) {
  if (path.empty()) return {};
  count = std::max(count, 2);
  const double length = arcLength(path);
  if (!(length > 0)) return Path(static_cast<std::size_t>(count), path.front());
  Path out;
  out.reserve(static_cast<std::size_t>(count));
  out.push_back(path.front());
  const double step = length / (count - 1);
  double walked = 0;  // arc length at path[i]
  std::size_t i = 0;
  for (int k = 1; k < count - 1; ++k) {
    const double target = k * step;
    while (i + 2 < path.size() && walked + distance(path[i], path[i + 1]) < target) {
      walked += distance(path[i], path[i + 1]);
      ++i;
    }
    const double piece = distance(path[i], path[i + 1]);
    const double f = piece > 0 ? std::clamp((target - walked) / piece, 0.0, 1.0) : 0.0;
    out.push_back(path[i] + (path[i + 1] - path[i]) * f);
  }
  out.push_back(path.back());
  return out;
}

Point centroid(std::span<const Point> path) {
  Point sum;
  for (Point p : path) sum = sum + p;
  return path.empty() ? Point{} : sum * (1.0 / static_cast<double>(path.size()));
}

Path shifted(std::span<const Point> path, Point by) {
  Path out(path.begin(), path.end());
  for (Point& p : out) p = p + by;
  return out;
}

double warpedDistance(std::span<const Point> a, std::span<const Point> b) {
  const std::size_t n = a.size(), m = b.size();
  if (n == 0 || m == 0) return std::numeric_limits<double>::infinity();
  // Two rows of the cost table: row i holds the cheapest weighted matching
  // of a[0..i] with b[0..j]. A diagonal step weighs 2, a step along one
  // path 1.
  constexpr double kNone = std::numeric_limits<double>::infinity();
  std::vector<double> before(m, kNone), row(m, kNone);
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < m; ++j) {
      const double d = distance(a[i], b[j]);
      double best;
      if (i == 0 && j == 0) best = 2 * d;
      else {
        best = kNone;
        if (i > 0 && j > 0) best = before[j - 1] + 2 * d;
        if (i > 0) best = std::min(best, before[j] + d);
        if (j > 0) best = std::min(best, row[j - 1] + d);
      }
      row[j] = best;
    }
    std::swap(before, row);
  }
  return before[m - 1] / static_cast<double>(n + m);
}

}  // namespace sumimai::grading
