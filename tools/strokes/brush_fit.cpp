#include "brush_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "stroke_mask.h"

namespace sumimai::strokes {
namespace {

struct Disc {
  Point2 at;
  double radius = 0;
};

// The ink of one segment: the hull of its end discs, widened by the ink's
// reach.
class Hull {
 public:
  Hull(Disc a, Disc b, double reach) : a_(a.at) {
    double dx = b.at.x - a.at.x, dy = b.at.y - a.at.y;
    length_ = std::hypot(dx, dy);
    ra_ = a.radius + reach, rb_ = b.radius + reach;
    round_ = length_ <= std::fabs(ra_ - rb_);
    if (round_) {  // one disc holds the other
      if (rb_ > ra_) a_ = b.at, ra_ = rb_;
    } else {
      ux_ = dx / length_, uy_ = dy / length_;
      slope_ = (ra_ - rb_) / length_;
      along_ = std::sqrt(1 - slope_ * slope_);
    }
    double r = std::max(ra_, rb_);
    left_ = std::min(a.at.x, b.at.x) - r, right_ = std::max(a.at.x, b.at.x) + r;
    top_ = std::min(a.at.y, b.at.y) - r, bottom_ = std::max(a.at.y, b.at.y) + r;
  }

  bool inks(Point2 q) const {
    if (q.x < left_ || q.x > right_ || q.y < top_ || q.y > bottom_) return false;
    double px = q.x - a_.x, py = q.y - a_.y;
    if (round_) return px * px + py * py <= ra_ * ra_;
    double y = px * ux_ + py * uy_, x = std::fabs(px * uy_ - py * ux_);
    double k = along_ * y - slope_ * x;
    if (k < 0) return x * x + y * y <= ra_ * ra_;
    if (k > along_ * length_) return x * x + (y - length_) * (y - length_) <= rb_ * rb_;
    return x * along_ + y * slope_ <= ra_;
  }

  double left_, top_, right_, bottom_;

 private:
  Point2 a_;
  double length_ = 0, ra_ = 0, rb_ = 0, ux_ = 0, uy_ = 0, slope_ = 0, along_ = 1;
  bool round_ = false;
};

// A square grid of pixels over the source box and some way around it.
struct Grid {
  static constexpr double kFrom = -64, kTo = 1088;
  double cell;
  int size;
  explicit Grid(double c) : cell(c), size(static_cast<int>(std::ceil((kTo - kFrom) / c))) {}
  PixelMapping mapping() const { return {1 / cell, -kFrom / cell, -kFrom / cell}; }
  Point2 centre(int x, int y) const { return {kFrom + x * cell, kFrom + y * cell}; }
  int column(double sx) const { return static_cast<int>(std::floor((sx - kFrom) / cell)); }
};

// One stroke's points being fitted, with a count per pixel of its segments
// inking it, over a window of the grid around the stroke.
class StrokeFit {
 public:
  StrokeFit(const Grid& grid, const std::vector<std::uint8_t>& glyph, const SourceStroke& stroke,
            std::vector<Disc> discs, const FitOptions& options)
      : grid_(grid), discs_(std::move(discs)), options_(options) {
    std::vector<PixelSpan> spans = strokeSpans(stroke, grid.mapping(), grid.size, grid.size);
    int left = grid.size, top = grid.size, right = 0, bottom = 0;
    for (const PixelSpan& s : spans)
      left = std::min(left, s.left), right = std::max(right, s.right), top = std::min(top, s.y), bottom = std::max(bottom, s.y + 1);
    for (std::size_t k = 1; k < discs_.size(); ++k) {
      Hull h = hull(k);
      left = std::min(left, grid.column(h.left_)), right = std::max(right, grid.column(h.right_) + 1);
      top = std::min(top, grid.column(h.top_)), bottom = std::max(bottom, grid.column(h.bottom_) + 1);
    }
    const int margin = static_cast<int>(std::ceil(16 / grid.cell));
    x0_ = std::max(0, left - margin), y0_ = std::max(0, top - margin);
    w_ = std::min(grid.size, right + margin) - x0_, h_ = std::min(grid.size, bottom + margin) - y0_;
    value_.assign(static_cast<std::size_t>(std::max(0, w_ * h_)), 0);
    count_.assign(value_.size(), 0);
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x)
        value_[at(x, y)] = glyph[static_cast<std::size_t>(y + y0_) * grid.size + x + x0_] ? -options.otherCost : -options.outsideCost;
    for (const PixelSpan& s : spans)
      for (int x = s.left; x < s.right; ++x) value_[at(x - x0_, s.y - y0_)] = 1;
    for (std::size_t k = 1; k < discs_.size(); ++k) {
      Hull h = hull(k);
      forWindow(h, h, [&](std::size_t i, Point2 q) { count_[i] += h.inks(q); });
    }
  }

  // Moves each point (and changes each radius but a fixed start radius) while that pays.
  void fit(bool startRadiusFixed) {
    for (double step : options_.steps)
      for (int sweep = 0; sweep < options_.sweeps; ++sweep) {
        bool moved = false;
        for (std::size_t k = 0; k < discs_.size(); ++k) {
          const Disc d = discs_[k];
          for (Disc tried : {Disc{{d.at.x + step, d.at.y}, d.radius}, Disc{{d.at.x - step, d.at.y}, d.radius},
                             Disc{{d.at.x, d.at.y + step}, d.radius}, Disc{{d.at.x, d.at.y - step}, d.radius},
                             Disc{d.at, d.radius + step}, Disc{d.at, d.radius - step}}) {
            if (tried.radius < 0.5 || (k == 0 && startRadiusFixed && tried.radius != d.radius)) continue;
            if (tryMove(k, tried)) {
              moved = true;
              break;
            }
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

  // Calls f(index, centre) for the window's pixels in the box of both hulls;
  // false when the box leaves the window.
  template <typename F>
  bool forWindow(const Hull& a, const Hull& b, F f) const {
    int left = grid_.column(std::min(a.left_, b.left_)) - x0_, right = grid_.column(std::max(a.right_, b.right_)) + 1 - x0_;
    int top = grid_.column(std::min(a.top_, b.top_)) - y0_, bottom = grid_.column(std::max(a.bottom_, b.bottom_)) + 1 - y0_;
    if (left < 0 || top < 0 || right >= w_ || bottom >= h_) return false;
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x) f(at(x, y), grid_.centre(x + x0_, y + y0_));
    return true;
  }

  // Moves point k to `tried` if the stroke is covered better so.
  bool tryMove(std::size_t k, Disc tried) {
    std::vector<std::size_t> segments;
    if (k > 0) segments.push_back(k);
    if (k + 1 < discs_.size()) segments.push_back(k + 1);
    const Disc kept = discs_[k];
    std::vector<Hull> before, after;
    for (std::size_t s : segments) before.push_back(hull(s));
    discs_[k] = tried;
    for (std::size_t s : segments) after.push_back(hull(s));
    discs_[k] = kept;
    Hull boxOld = before.front(), boxNew = after.front();
    if (before.size() > 1) {
      boxOld.left_ = std::min(boxOld.left_, before[1].left_), boxOld.right_ = std::max(boxOld.right_, before[1].right_);
      boxOld.top_ = std::min(boxOld.top_, before[1].top_), boxOld.bottom_ = std::max(boxOld.bottom_, before[1].bottom_);
      boxNew.left_ = std::min(boxNew.left_, after[1].left_), boxNew.right_ = std::max(boxNew.right_, after[1].right_);
      boxNew.top_ = std::min(boxNew.top_, after[1].top_), boxNew.bottom_ = std::max(boxNew.bottom_, after[1].bottom_);
    }
    auto inked = [](const std::vector<Hull>& hulls, Point2 q) {
      int n = 0;
      for (const Hull& h : hulls) n += h.inks(q);
      return n;
    };
    double gain = 0;
    bool inside = forWindow(boxOld, boxNew, [&](std::size_t i, Point2 q) {
      int now = count_[i], then = now - inked(before, q) + inked(after, q);
      if ((now > 0) != (then > 0)) gain += then > 0 ? value_[i] : -value_[i];
    });
    if (!inside || gain <= 1e-9) return false;
    forWindow(boxOld, boxNew, [&](std::size_t i, Point2 q) { count_[i] += inked(after, q) - inked(before, q); });
    discs_[k] = tried;
    return true;
  }

  const Grid& grid_;
  std::vector<Disc> discs_;
  const FitOptions& options_;
  int x0_ = 0, y0_ = 0, w_ = 0, h_ = 0;
  std::vector<float> value_;           // a pixel inked: +1 on the stroke, less elsewhere
  std::vector<std::uint16_t> count_;   // segments inking the pixel
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
