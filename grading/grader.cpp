#include "grader.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sumimai::grading {
namespace {

// The ends of a path whose means give its heading: a quarter of its points.
constexpr int kEndPoints = kSamples / 4;
// A heading shorter than this share of the size points nowhere in
// particular (a dab of the brush, a stroke that ends where it began).
constexpr double kShortestHeading = 0.03;
// A dot's heading is short: a learner's points somewhere when it is longer
// than this share of the model dot's.
constexpr double kDotHeadingShare = 0.3;

double sizeOf(const ModelCharacter& model) {
  double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
  for (const Path& stroke : model.strokes) {
    for (Point p : stroke) {
      left = std::min(left, p.x), right = std::max(right, p.x);
      top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    }
  }
  return std::max({kSmallestSize, right - left, bottom - top});
}

Point headingOf(const Path& points) {
  const std::span<const Point> all(points);
  const std::size_t n = std::min<std::size_t>(kEndPoints, points.size());
  return centroid(all.last(n)) - centroid(all.first(n));
}

double length(Point v) { return std::hypot(v.x, v.y); }

// The angle between two headings in degrees, 0..180; 0 when either is no
// longer than `shortest`, too short to point anywhere.
double angleBetween(Point a, Point b, double shortest) {
  const double la = length(a), lb = length(b);
  if (!(la > shortest) || !(lb > shortest)) return 0;
  const double cosine = std::clamp((a.x * b.x + a.y * b.y) / (la * lb), -1.0, 1.0);
  return std::acos(cosine) * 180 / std::numbers::pi;
}

Grader::Prepared prepare(const Path& path, double size) {
  Grader::Prepared p;
  p.points = resampled(path, kSamples);
  p.centre = centroid(p.points);
  p.heading = headingOf(p.points);
  p.length = arcLength(path);
  p.dot = p.length < kDotLength * size;
  return p;
}

}  // namespace

std::string_view problemName(Problem problem) {
  switch (problem) {
    case Problem::None: return "";
    case Problem::Order: return "order";
    case Problem::Direction: return "direction";
    case Problem::Position: return "position";
    case Problem::Shape: return "shape";
    case Problem::Extra: return "extra";
  }
  return "";
}

std::vector<int> Progress::expected() const {
  const int n = static_cast<int>(written_.size());
  std::vector<int> next;
  for (int i = 0; i < n && next.empty(); ++i)
    if (!written(i)) next.push_back(i);
  for (int i = last_ + 1; i < n; ++i) {
    if (written(i)) continue;
    if (i != next.front()) next.push_back(i);
    break;
  }
  return next;
}

void Progress::take(const StrokeJudgement& judgement) {
  if (!judgement.attempted) return;
  written_[static_cast<std::size_t>(*judgement.attempted)] = true;
  last_ = *judgement.attempted;
}

Grader::Grader(const ModelCharacter& model) : size_(sizeOf(model)) {
  for (const Path& stroke : model.strokes) model_.push_back(prepare(stroke, size_));
}

Grader::Comparison Grader::compare(const Prepared& learner, const Prepared& model) const {
  if (model.dot) return compareDot(learner, model);
  // Which way round: the headings say, unless one of them points nowhere
  // in particular (a stroke that ends near its start); then the way whose
  // shape is the closer.
  const Path backwards(learner.points.rbegin(), learner.points.rend());
  const Point toModel = model.centre - learner.centre;
  const double shortest = kShortestHeading * size_;
  bool reversed;
  if (length(learner.heading) >= shortest && length(model.heading) >= shortest) {
    reversed = angleBetween(learner.heading, model.heading, shortest) > 90;
  } else {
    reversed = warpedDistance(shifted(backwards, toModel), model.points) <
               warpedDistance(shifted(learner.points, toModel), model.points);
  }
  const Path& written = reversed ? backwards : learner.points;
  const double shape = warpedDistance(shifted(written, toModel), model.points) / size_;
  if (!(shape <= kShapeTolerance)) return {};
  const double place = warpedDistance(written, model.points) / size_;
  if (!(place <= kPlaceTolerance)) return {reversed ? Fit::None : Fit::Moved, shape + place};
  return {reversed ? Fit::Backwards : Fit::InPlace, shape + place};
}

Grader::Comparison Grader::compareDot(const Prepared& learner, const Prepared& model) const {
  if (learner.length > std::max(kDotStretch * model.length, kDotStretch * kDotLength * size_)) return {};
  const double angle = angleBetween(learner.heading, model.heading, kDotHeadingShare * length(model.heading));
  const double apart = distance(learner.centre, model.centre) / size_;
  const bool forth = angle <= kDotAngleTolerance, back = angle >= 180 - kDotAngleTolerance;
  if (!forth && !back) return {};
  const double cost = apart + std::min(angle, 180 - angle) / 180;
  if (apart > kDotPlaceTolerance) return {forth ? Fit::Moved : Fit::None, cost};
  return {forth ? Fit::InPlace : Fit::Backwards, cost};
}

std::optional<int> Grader::closest(const Prepared& learner, const Progress& progress, bool written,
                                   const std::vector<int>& skip) const {
  std::optional<int> best;
  double bestCost = INFINITY;
  for (int i = 0; i < strokes(); ++i) {
    if (progress.written(i) != written || std::find(skip.begin(), skip.end(), i) != skip.end()) continue;
    const Comparison c = compare(learner, i);
    if ((c.fit == Fit::InPlace || c.fit == Fit::Backwards) && c.cost < bestCost) best = i, bestCost = c.cost;
  }
  return best;
}

StrokeJudgement Grader::judge(const Path& stroke, const Progress& progress, bool moreThanTheModel) const {
  const std::vector<int> expected = progress.expected();
  if (expected.empty()) return {Problem::Extra, std::nullopt, std::nullopt};
  const Prepared learner = prepare(stroke, size_);
  std::optional<int> moved;
  for (int e : expected) {
    const Comparison c = compare(learner, e);
    if (c.fit == Fit::InPlace) return {Problem::None, e, e};
    if (c.fit == Fit::Backwards) return {Problem::Direction, e, e};
    if (c.fit == Fit::Moved && !moved) moved = e;
  }
  if (const std::optional<int> other = closest(learner, progress, false, expected))
    return {Problem::Order, other, other};
  // A stroke written again, when there are more strokes than the model's.
  if (moreThanTheModel && closest(learner, progress, true, {})) return {Problem::Extra, std::nullopt, std::nullopt};
  if (moved) return {Problem::Position, moved, moved};
  if (moreThanTheModel) return {Problem::Extra, std::nullopt, std::nullopt};
  return {Problem::Shape, std::nullopt, expected.front()};
}

Grading grade(const ModelCharacter& model, const std::vector<Path>& strokes) {
  const Grader grader(model);
  Progress progress(grader.strokes());
  const bool more = static_cast<int>(strokes.size()) > grader.strokes();
  Grading result;
  int right = 0, extra = 0;
  for (const Path& stroke : strokes) {
    const StrokeJudgement judgement = grader.judge(stroke, progress, more);
    progress.take(judgement);
    right += judgement.ok();
    extra += judgement.problem == Problem::Extra;
    result.strokes.push_back(judgement);
  }
  if (static_cast<int>(strokes.size()) < grader.strokes()) {
    for (int i = 0; i < grader.strokes(); ++i)
      if (!progress.written(i)) result.missing.push_back(i);
  }
  const int out = grader.strokes() + extra;
  result.score = out > 0 ? (200 * right + out) / (2 * out) : 0;
  return result;
}

}  // namespace sumimai::grading
