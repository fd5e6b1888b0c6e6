#include "brush_trace.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "outline.h"

namespace sumimai::strokes {
namespace {

Point2 operator+(Point2 a, Point2 b) { return {a.x + b.x, a.y + b.y}; }
Point2 operator-(Point2 a, Point2 b) { return {a.x - b.x, a.y - b.y}; }
Point2 operator*(Point2 a, double s) { return {a.x * s, a.y * s}; }
double length(Point2 a) { return std::hypot(a.x, a.y); }
Point2 unit(Point2 a) {
  double l = length(a);
  return l > 0 ? a * (1 / l) : Point2{1, 0};
}

// Points every `step` along the polyline; its first and last points included.
std::vector<Point2> resample(const std::vector<Point2>& line, double step) {
  std::vector<Point2> out{line.front()};
  double carried = 0;  // distance walked since the last sample
  for (std::size_t i = 1; i < line.size(); ++i) {
    Point2 a = line[i - 1], d = line[i] - a;
    double len = length(d);
    double s = step - carried;
    for (; s < len; s += step) out.push_back(a + d * (s / len));
    carried = len - (s - step);
  }
  if (length(out.back() - line.back()) > step * 0.25) out.push_back(line.back());
  else out.back() = line.back();
  return out;
}

// The line with points added before its start and after its end along the
// end directions, out to `reach`. first and last index the original ends.
std::vector<Point2> extendEnds(const std::vector<Point2>& pts, double step, double reach,
                               std::size_t& first, std::size_t& last) {
  std::size_t n = static_cast<std::size_t>(reach / step);
  Point2 back = unit(pts.front() - pts[1]) * step, ahead = unit(pts.back() - pts[pts.size() - 2]) * step;
  std::vector<Point2> out;
  for (std::size_t i = n; i >= 1; --i) out.push_back(pts.front() + back * static_cast<double>(i));
  first = out.size();
  out.insert(out.end(), pts.begin(), pts.end());
  last = out.size() - 1;
  for (std::size_t i = 1; i <= n; ++i) out.push_back(pts.back() + ahead * static_cast<double>(i));
  return out;
}

// The point where the segment from an inside to an outside point crosses the edge.
Point2 edgeCrossing(const Outline& outline, Point2 inside, Point2 outside) {
  for (int i = 0; i < 30; ++i) {
    Point2 mid = (inside + outside) * 0.5;
    (outline.contains(mid) ? inside : outside) = mid;
  }
  return inside;
}

// The sample after i in direction step (+1 or -1), if there is one.
std::optional<std::size_t> neighbour(const std::vector<Point2>& pts, std::size_t i, int step) {
  if (step < 0 ? i == 0 : i + 1 >= pts.size()) return std::nullopt;
  return step < 0 ? i - 1 : i + 1;
}

// One end of the inside run of samples: from sample `from`, walking outward
// (against `inward`) while still inside, or inward up to `to` until inside.
std::optional<std::size_t> runEnd(const Outline& outline, const std::vector<Point2>& pts,
                                  std::size_t from, std::size_t to, int inward) {
  std::size_t i = from;
  if (outline.contains(pts[i])) {
    for (auto o = neighbour(pts, i, -inward); o && outline.contains(pts[*o]); o = neighbour(pts, i, -inward))
      i = *o;
    return i;
  }
  while (i != to) {
    i = *neighbour(pts, i, inward);
    if (outline.contains(pts[i])) return i;
  }
  return std::nullopt;
}

// The tip beyond inside sample i, walking outward (against `inward`).
Point2 tipBeyond(const Outline& outline, const std::vector<Point2>& pts, std::size_t i, int inward) {
  auto o = neighbour(pts, i, -inward);
  return o ? edgeCrossing(outline, pts[i], pts[*o]) : pts[i];
}

// The nearest point of the stroke's middle across the tangent from p: the
// distance to the outline climbed along the normal to its ridge, at most
// `limit` away. Unlike the middle of a cross-section it stays on its own
// part of the stroke where the stroke crosses itself or another part.
Point2 middleAcross(const Outline& outline, Point2 p, Point2 tangent, double limit) {
  Point2 n{-tangent.y, tangent.x};
  double s = 0, best = outline.signedDistance(p);
  for (double step : {2.0, 0.5})
    for (double side : {1.0, -1.0})
      for (double next = s + side * step; std::fabs(next) <= limit; next += side * step) {
        double d = outline.signedDistance(p + n * next);
        if (d <= best) break;
        best = d, s = next;
      }
  return p + n * s;
}

// Moving average over 2 * half + 1 samples, narrowed near the ends so that
// both end points stay where they are.
std::vector<Point2> smooth(const std::vector<Point2>& pts, int half) {
  std::vector<Point2> out = pts;
  int n = static_cast<int>(pts.size());
  for (int i = 1; i + 1 < n; ++i) {
    int h = std::min({half, i, n - 1 - i});
    Point2 sum;
    for (int j = i - h; j <= i + h; ++j) sum = sum + pts[static_cast<std::size_t>(j)];
    out[static_cast<std::size_t>(i)] = sum * (1.0 / (2 * h + 1));
  }
  return out;
}

double dot(Point2 a, Point2 b) { return a.x * b.x + a.y * b.y; }

// A sharp turn of the centre line: the brush has to reach into the outer
// corner of the outline there, which the middle of the cross-sections misses.
struct Turn {
  Point2 at;
  Point2 outward;  // towards the outer side of the turn
  double near;     // samples closer than this are not moved to the middle
};

std::vector<Turn> sharpTurns(const Outline& outline, const std::vector<Point2>& line, double minTurnCos) {
  std::vector<Turn> turns;
  for (std::size_t i = 1; i + 1 < line.size(); ++i) {
    Point2 in = unit(line[i] - line[i - 1]), out = unit(line[i + 1] - line[i]);
    if (dot(in, out) > minTurnCos) continue;
    double near = std::clamp(1.5 * outline.signedDistance(line[i]), 10.0, 50.0);
    turns.push_back({line[i], unit(in - out), near});
  }
  return turns;
}

bool nearTurn(Point2 p, const std::vector<Turn>& turns) {
  return std::any_of(turns.begin(), turns.end(), [&](const Turn& t) { return length(p - t.at) < t.near; });
}

// The point on the ray from the turn outward, as far back from the outline
// as possible, whose largest inside circle still reaches the outline's
// corner on the ray; nothing where the circle at the turn itself comes that
// close to the outline (a round bend has no corner to reach into).
std::optional<Point2> intoCorner(const Outline& outline, const Turn& turn, double tolerance) {
  std::vector<double> hits = outline.crossings(turn.at, turn.outward);
  if (!outline.contains(turn.at) || hits.empty()) return std::nullopt;
  double reach = hits.front(), s = reach, own = outline.signedDistance(turn.at);
  if (reach - own < std::max(tolerance, 0.25 * own)) return std::nullopt;
  while (s > 0.5 && outline.signedDistance(turn.at + turn.outward * (s - 0.5)) >= reach - (s - 0.5) - tolerance)
    s -= 0.5;
  return turn.at + turn.outward * s;
}

// The middle line from tip to tip.
std::vector<Point2> middleLine(const Outline& outline, const SourceStroke& stroke,
                               const TraceOptions& options) {
  std::vector<Point2> pts = resample(stroke.centreLine, options.step);
  if (pts.size() < 2) pts.push_back(pts.front() + Point2{options.step, 0});
  std::size_t first = 0, last = 0;
  pts = extendEnds(pts, options.step, options.reach, first, last);
  std::optional<std::size_t> a = runEnd(outline, pts, first, last, +1);
  std::optional<std::size_t> b = runEnd(outline, pts, last, first, -1);
  if (!a || !b || *a > *b) return {stroke.centreLine.front(), stroke.centreLine.back()};
  std::vector<Turn> turns = sharpTurns(outline, stroke.centreLine, options.sharpTurnCos);
  std::vector<Point2> middle{tipBeyond(outline, pts, *a, +1)};
  for (std::size_t i = *a; i <= *b; ++i) {
    Point2 tangent = unit(pts[std::min(i + 1, pts.size() - 1)] - pts[i == 0 ? 0 : i - 1]);
    // Near a sharp turn the cross-section is no guide, so the line stays as
    // given, unless it runs so close to the edge that the brush would pinch.
    Point2 across = middleAcross(outline, pts[i], tangent, options.reach);
    bool keep = nearTurn(pts[i], turns) && outline.signedDistance(pts[i]) >= 0.7 * outline.signedDistance(across);
    middle.push_back(keep ? pts[i] : across);
  }
  middle.push_back(tipBeyond(outline, pts, *b, -1));
  middle = smooth(middle, options.smoothing);
  // Into each corner and back: the brush keeps its width at the turn.
  for (const Turn& turn : turns) {
    auto nearest = std::min_element(middle.begin() + 1, middle.end() - 1, [&](Point2 p, Point2 q) {
      return length(p - turn.at) < length(q - turn.at);
    });
    std::optional<Point2> corner = intoCorner(outline, turn, options.tipTolerance);
    if (middle.size() > 2 && corner) middle.insert(nearest + 1, {*corner, *nearest});
  }
  return middle;
}

// How far the ends can move inward while the end disc still reaches the tip.
void trimEnds(BrushPath& path, double tolerance) {
  auto reaches = [&](std::size_t i, std::size_t tip) {
    return path[i].radius >= length(path[i].at - path[tip].at) - tolerance;
  };
  std::size_t last = path.size() - 1;
  std::size_t start = 0, end = last;
  while (start + 1 < last && reaches(start + 1, 0)) ++start;
  while (end > start + 1 && reaches(end - 1, last)) --end;
  if (end <= start) end = std::min(start + 1, last);
  if (end == start) start = 0;
  path = BrushPath(path.begin() + static_cast<std::ptrdiff_t>(start),
                   path.begin() + static_cast<std::ptrdiff_t>(end) + 1);
}

}  // namespace

BrushPath traceStroke(const SourceStroke& stroke, const TraceOptions& options) {
  Outline outline(stroke);
  BrushPath path;
  std::vector<Point2> middle = middleLine(outline, stroke, options);
  for (std::size_t i = 0; i < middle.size(); ++i) {
    double inside = outline.signedDistance(middle[i]);
    // A point that smoothing or a bad cross-section put outside would draw a
    // hairline beside the stroke: only the tips lie on the edge.
    bool tip = i == 0 || i + 1 == middle.size();
    if (tip || inside >= 0) path.push_back({middle[i], std::max(0.0, inside)});
  }
  trimEnds(path, options.tipTolerance);
  return path;
}

}  // namespace sumimai::strokes
