#include "brush_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <tuple>

#include "stroke_mask.h"

namespace sumimai::strokes {
namespace {

struct Disc {
  Point2 at;
  double radius = 0;
};

// The ink of one segment: the hull of its end discs, widened by the ink's
// reach. It is convex, so each row crosses it in one run.
class Hull {
 public:
  Hull(Disc a, Disc b, double reach) : a_{a.at, a.radius + reach}, b_{b.at, b.radius + reach} {
    double dx = b.at.x - a.at.x, dy = b.at.y - a.at.y, length = std::hypot(dx, dy);
    round_ = length <= std::fabs(a_.radius - b_.radius);  // one disc holds the other
    if (round_ && b_.radius > a_.radius) a_ = b_;
    if (!round_) {
      // The points where the hull's sides touch the discs.
      Point2 u{dx / length, dy / length}, n{-u.y, u.x};
      double slope = (a_.radius - b_.radius) / length, across = std::sqrt(1 - slope * slope);
      for (double side : {1.0, -1.0}) {
        Point2 normal{slope * u.x + side * across * n.x, slope * u.y + side * across * n.y};
        side_[side > 0 ? 0 : 1] = {{a_.at.x + a_.radius * normal.x, a_.at.y + a_.radius * normal.y},
                                   {b_.at.x + b_.radius * normal.x, b_.at.y + b_.radius * normal.y}};
      }
    }
    top = std::min(a_.at.y - a_.radius, round_ ? 1e300 : b_.at.y - b_.radius);
    bottom = std::max(a_.at.y + a_.radius, round_ ? -1e300 : b_.at.y + b_.radius);
    left = std::min(a_.at.x - a_.radius, round_ ? 1e300 : b_.at.x - b_.radius);
    right = std::max(a_.at.x + a_.radius, round_ ? -1e300 : b_.at.x + b_.radius);
  }

  // Where row y crosses the hull: false when it misses it.
  bool run(double y, double& from, double& to) const {
    from = 1e300, to = -1e300;
    addDisc(a_, y, from, to);
    if (!round_) {
      addDisc(b_, y, from, to);
      for (const auto& [p, q] : side_)
        if ((p.y - y) * (q.y - y) <= 0 && p.y != q.y) {
          double x = p.x + (y - p.y) * (q.x - p.x) / (q.y - p.y);
          from = std::min(from, x), to = std::max(to, x);
        }
    }
    return from <= to;
  }

  double left, top, right, bottom;

 private:
  static void addDisc(const Disc& d, double y, double& from, double& to) {
    double dy = y - d.at.y, h = d.radius * d.radius - dy * dy;
    if (h < 0) return;
    h = std::sqrt(h);
    from = std::min(from, d.at.x - h), to = std::max(to, d.at.x + h);
  }

  Disc a_, b_;
  std::pair<Point2, Point2> side_[2];
  bool round_ = false;
};

// A knot: the radius dips sharply at point k, to less than kKnotDepth of
// its neighbours' (and by more than kKnotSlope of the length of the shorter
// segment), where the path runs on rather than turning back into a corner.
// At small sizes the brush seems to pinch the stroke there.
constexpr double kKnotDepth = 0.7, kKnotSlope = 0.25;

double knotFreeRadius(const std::vector<Disc>& discs, std::size_t k) {
  if (k == 0 || k + 1 >= discs.size()) return 0;
  const Disc &a = discs[k - 1], &p = discs[k], &b = discs[k + 1];
  double inX = p.at.x - a.at.x, inY = p.at.y - a.at.y, outX = b.at.x - p.at.x, outY = b.at.y - p.at.y;
  double in = std::hypot(inX, inY), out = std::hypot(outX, outY);
  if (inX * outX + inY * outY < -0.7 * in * out) return 0;  // into a corner and back
  double least = std::min(a.radius, b.radius);
  return least - p.radius > kKnotSlope * std::min(in, out) ? kKnotDepth * least : 0;
}

bool knotAround(const std::vector<Disc>& discs, std::size_t k) {
  for (std::size_t i = k == 0 ? 0 : k - 1; i <= k + 1 && i < discs.size(); ++i)
    if (discs[i].radius < knotFreeRadius(discs, i)) return true;
  return false;
}

// A square grid of pixels over the source box and some way around it.
struct Grid {
  static constexpr double kFrom = -64, kTo = 1088;
  double cell;
  int size;
  explicit Grid(double c) : cell(c), size(static_cast<int>(std::ceil((kTo - kFrom) / c))) {}
  PixelMapping mapping() const { return {1 / cell, -kFrom / cell, -kFrom / cell}; }
  Point2 centre(int x, int y) const { return {kFrom + x * cell, kFrom + y * cell}; }
  int column(double sx) const { return static_cast<int>(std::floor((sx - kFrom) / cell)); }
  // The pixels whose centres lie in from..to.
  int firstFrom(double from) const { return static_cast<int>(std::ceil((from - kFrom) / cell)); }
  double at(int i) const { return kFrom + i * cell; }
};

// One stroke's points being fitted, with a count per pixel of its segments
// inking it, over a window of the grid around the stroke.
class StrokeFit {
 public:
  static constexpr int kMostRepeats = 64;
  static constexpr double kLeastRadius = 0.5;

  StrokeFit(const Grid& grid, const std::vector<std::uint8_t>& glyph, const SourceStroke& stroke,
            std::vector<Disc> discs, const FitOptions& options)
      : grid_(grid), discs_(std::move(discs)), options_(options) {
    std::vector<PixelSpan> spans = strokeSpans(stroke, grid.mapping(), grid.size, grid.size);
    int left = grid.size, top = grid.size, right = 0, bottom = 0;
    for (const PixelSpan& s : spans)
      left = std::min(left, s.left), right = std::max(right, s.right), top = std::min(top, s.y), bottom = std::max(bottom, s.y + 1);
    for (std::size_t k = 1; k < discs_.size(); ++k) {
      Hull h = hull(k);
      left = std::min(left, grid.column(h.left)), right = std::max(right, grid.column(h.right) + 1);
      top = std::min(top, grid.column(h.top)), bottom = std::max(bottom, grid.column(h.bottom) + 1);
    }
    const int margin = static_cast<int>(std::ceil(16 / grid.cell));
    x0_ = std::max(0, left - margin), y0_ = std::max(0, top - margin);
    w_ = std::max(0, std::min(grid.size, right + margin) - x0_), h_ = std::max(0, std::min(grid.size, bottom + margin) - y0_);
    value_.assign(static_cast<std::size_t>(w_) * h_, 0);
    count_.assign(value_.size(), 0);
    change_.assign(value_.size(), 0);
    touched_.assign(value_.size(), 0);
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x)
        value_[at(x, y)] = glyph[static_cast<std::size_t>(y + y0_) * grid.size + x + x0_] ? -options.otherCost : -options.outsideCost;
    for (const PixelSpan& s : spans)
      for (int x = s.left; x < s.right; ++x) value_[at(x - x0_, s.y - y0_)] = 1;
    for (std::size_t k = 1; k < discs_.size(); ++k)
      if (within(hull(k)))
        forRuns(hull(k), [&](int y, int from, int to) {
          for (int x = from; x < to; ++x) ++count_[at(x, y)];
        });
  }

  // Moves each point (and changes each radius but a fixed start radius) while
  // that pays: a move that pays is made again as long as it does.
  void fit(bool startRadiusFixed) {
    for (double step : options_.steps)
      for (int sweep = 0; sweep < options_.sweeps; ++sweep) {
        bool moved = false;
        for (std::size_t k = 0; k < discs_.size(); ++k)
          for (auto [dx, dy, dr] : {std::tuple{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}}) {
            if (dr != 0 && k == 0 && startRadiusFixed) continue;
            for (int n = 0; n < kMostRepeats; ++n) {
              const Disc& d = discs_[k];
              Disc tried{{d.at.x + dx * step, d.at.y + dy * step}, d.radius + dr * step};
              if (tried.radius < kLeastRadius || !tryMove(k, tried)) break;
              moved = true;
            }
          }
        if (!moved) break;
      }
  }

  const std::vector<Disc>& discs() const { return discs_; }

 private:
  std::size_t at(int x, int y) const { return static_cast<std::size_t>(y) * w_ + x; }

  // The ink of segment k, from point k - 1 to point k.
  Hull hull(std::size_t k) const { return Hull(discs_[k - 1], discs_[k], options_.inkReach); }

  bool within(const Hull& h) const {
    return grid_.column(h.left) > x0_ && grid_.column(h.top) > y0_ && grid_.column(h.right) + 1 < x0_ + w_ &&
           grid_.column(h.bottom) + 1 < y0_ + h_;
  }

  // Calls f(row, from, to) with the window's pixels from..to-1 of each row
  // whose centres the hull holds.
  template <typename F>
  void forRuns(const Hull& h, F f) const {
    for (int y = grid_.firstFrom(h.top); grid_.at(y) <= h.bottom; ++y) {
      double from, to;
      if (!h.run(grid_.at(y), from, to)) continue;
      int first = grid_.firstFrom(from), end = grid_.firstFrom(to);
      if (grid_.at(end) <= to) ++end;  // a centre exactly on the edge is inside
      if (first < end) f(y - y0_, first - x0_, end - x0_);
    }
  }

  // Adds d to the change of pixels first..end-1 of row y.
  void addChange(int y, int first, int end, int d) {
    for (int x = first; x < end; ++x) {
      std::size_t i = at(x, y);
      if (!touched_[i]) touched_[i] = 1, changed_.push_back(i);
      change_[i] = static_cast<std::int8_t>(change_[i] + d);
    }
  }

  // Adds d to the change of the pixels of run a outside run b (from, to).
  void addDifference(int y, std::pair<int, int> a, std::pair<int, int> b, int d) {
    if (b.first >= b.second) return addChange(y, a.first, a.second, d);
    addChange(y, a.first, std::min(a.second, b.first), d);
    addChange(y, std::max(a.first, b.second), a.second, d);
  }

  // Gathers the change of ink per pixel when a segment's hull becomes another.
  void gatherChange(const Hull& before, const Hull& after) {
    int top = std::min(grid_.firstFrom(before.top), grid_.firstFrom(after.top)) - y0_;
    int end = std::max(grid_.column(before.bottom), grid_.column(after.bottom)) + 1 - y0_;
    for (auto* runs : {&old_, &new_}) runs->assign(static_cast<std::size_t>(std::max(0, end - top)), {0, 0});
    forRuns(before, [&](int y, int from, int to) { old_[static_cast<std::size_t>(y - top)] = {from, to}; });
    forRuns(after, [&](int y, int from, int to) { new_[static_cast<std::size_t>(y - top)] = {from, to}; });
    for (std::size_t i = 0; i < old_.size(); ++i) {
      int y = top + static_cast<int>(i);
      addDifference(y, new_[i], old_[i], +1);
      addDifference(y, old_[i], new_[i], -1);
    }
  }

  // Moves point k to `tried` if the stroke is covered better so: the change
  // of each segment at the point is gathered per pixel, then weighed.
  bool tryMove(std::size_t k, Disc tried) {
    const Disc kept = discs_[k];
    bool inside = true;
    for (std::size_t s : {k, k + 1}) {
      if (s == 0 || s >= discs_.size()) continue;
      Hull before = hull(s);
      discs_[k] = tried;
      Hull after = hull(s);
      discs_[k] = kept;
      inside = inside && within(before) && within(after);
      if (inside) gatherChange(before, after);
    }
    double gain = 0;
    for (std::size_t i : changed_) {
      int now = count_[i], then = now + change_[i];
      if ((now > 0) != (then > 0)) gain += then > 0 ? value_[i] : -value_[i];
    }
    bool better = inside && gain > 1e-9;
    if (better) {
      discs_[k] = tried;
      better = !knotAround(discs_, k);
      discs_[k] = kept;
    }
    for (std::size_t i : changed_) {
      if (better) count_[i] = static_cast<std::uint16_t>(count_[i] + change_[i]);
      change_[i] = 0, touched_[i] = 0;
    }
    changed_.clear();
    if (better) discs_[k] = tried;
    return better;
  }

  const Grid& grid_;
  std::vector<Disc> discs_;
  const FitOptions& options_;
  int x0_ = 0, y0_ = 0, w_ = 0, h_ = 0;
  std::vector<float> value_;           // a pixel inked: +1 on the stroke, less elsewhere
  std::vector<std::uint16_t> count_;   // segments inking the pixel
  // A move's change of count_ per pixel, where it changes.
  std::vector<std::int8_t> change_;
  std::vector<std::uint8_t> touched_;
  std::vector<std::size_t> changed_;
  std::vector<std::pair<int, int>> old_, new_;  // a hull's runs per row, before and after a move
};

}  // namespace

void fitToOutlines(const GlyphRead& glyph, Simplified& simplified, const FitOptions& options) {
  Grid grid(options.cell);
  std::vector<std::uint8_t> inGlyph(static_cast<std::size_t>(grid.size) * grid.size, 0);
  for (const SourceStroke& stroke : glyph.strokes)
    for (const PixelSpan& s : strokeSpans(stroke, grid.mapping(), grid.size, grid.size))
      for (int x = s.left; x < s.right; ++x) inGlyph[static_cast<std::size_t>(s.y) * grid.size + x] = 1;
  double previousEnd = 0;
  for (std::size_t s = 0; s < simplified.strokes.size() && s < glyph.strokes.size(); ++s) {
    BrushPath& path = simplified.strokes[s];
    if (path.size() < 2) continue;
    const bool still = s >= simplified.stillStart.size() || simplified.stillStart[s];
    std::vector<Disc> discs;
    for (const BrushPoint& p : path) discs.push_back({p.at, p.radius});
    if (!still) discs.front().radius = previousEnd;  // the start disc as drawn
    for (std::size_t k = 1; k + 1 < discs.size(); ++k) discs[k].radius = std::max(discs[k].radius, knotFreeRadius(discs, k));
    StrokeFit fit(grid, inGlyph, glyph.strokes[s], std::move(discs), options);
    fit.fit(!still);
    for (std::size_t k = 0; k < path.size(); ++k) {
      path[k].at = fit.discs()[k].at;
      if (k > 0 || still) path[k].radius = fit.discs()[k].radius;
    }
    previousEnd = path.back().radius;
  }
}

}  // namespace sumimai::strokes
