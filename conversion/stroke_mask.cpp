#include "stroke_mask.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sumimai::strokes {

std::vector<PixelSpan> strokeSpans(const SourceStroke& stroke, const PixelMapping& map, int width, int height) {
  std::vector<PixelSpan> spans;
  for (int part = 0; part < std::max(1, stroke.parts); ++part) {
    std::vector<std::pair<Point2, Point2>> edges;
    double top = 1e18, bottom = -1e18;
    for (std::size_t k = 0; k < stroke.outline.size(); ++k) {
      if ((k < stroke.contourPart.size() ? stroke.contourPart[k] : 0) != part) continue;
      const Contour& c = stroke.outline[k];
      for (std::size_t i = 0; i < c.size(); ++i) {
        Point2 a = map(c[i]), b = map(c[(i + 1) % c.size()]);
        edges.push_back({a, b});
        top = std::min({top, a.y, b.y}), bottom = std::max({bottom, a.y, b.y});
      }
    }
    for (int y = std::max(0, int(std::ceil(top))); y <= std::min(height - 1, int(bottom)); ++y) {
      std::vector<double> xs;
      for (auto [a, b] : edges)
        if ((a.y > y) != (b.y > y)) xs.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
      std::sort(xs.begin(), xs.end());
      for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
        int left = std::max(0, int(std::ceil(xs[i])));
        int right = static_cast<int>(std::min<double>(width, std::ceil(xs[i + 1])));
        if (left < right) spans.push_back({y, left, right});
      }
    }
  }
  return spans;
}

}  // namespace sumimai::strokes
