#include "learner_pen.h"

#include <algorithm>
#include <cmath>

#include "renderer/brush_segment.h"

namespace sumimai {
namespace {

// Readings closer in time than this count as this far apart, so that two
// events of one millisecond do not read as an endless speed.
constexpr double kShortestInterval = 4;

}  // namespace

double radiusAtSpeed(double speed, PenWidths widths) {
  const double share = std::exp(-std::max(speed, 0.0) / kThinningSpeed);
  return widths.narrowest + (widths.widest - widths.narrowest) * share;
}

double radiusAtPressure(double pressure, PenWidths widths) {
  return widths.narrowest + (widths.widest - widths.narrowest) * std::clamp(pressure, 0.0, 1.0);
}

double PenWidth::follow(const PenSample& sample) {
  if (!last_) {
    // A stroke sets off as wide as a slow brush (or as the pen presses).
    radius_ = sample.pressure ? radiusAtPressure(*sample.pressure, widths_) : widths_.widest;
    last_ = sample;
    return radius_;
  }
  const double dt = std::max(sample.ms - last_->ms, kShortestInterval);
  double target = 0;
  if (sample.pressure) {
    target = radiusAtPressure(*sample.pressure, widths_);
  } else {
    const double moved = std::hypot(sample.at.x - last_->at.x, sample.at.y - last_->at.y);
    target = radiusAtSpeed(moved / std::max(cell_, 1.0) / (dt / 1000), widths_);
  }
  radius_ += (target - radius_) * (1 - std::exp(-dt / kWidthSmoothing));
  last_ = sample;
  return radius_;
}

LearnerStroke::LearnerStroke(Canvas& canvas, PenWidths widths, double cellPixels, double pixelsPerTwip, Rgb colour)
    : canvas_(canvas), width_(widths, cellPixels), pixelsPerTwip_(pixelsPerTwip), colour_(colour) {}

void LearnerStroke::add(const PenSample& sample) {
  const double radius = width_.follow(sample);
  const PointF twips{static_cast<float>(sample.at.x / pixelsPerTwip_), static_cast<float>(sample.at.y / pixelsPerTwip_)};
  if (path_.empty()) {
    for (double r = 1; r <= std::floor(radius); ++r) canvas_.drawRing({twips, static_cast<float>(r), colour_});
  } else {
    const double dx = std::fabs(twips.x - lastTwips_.x), dy = std::fabs(twips.y - lastTwips_.y);
    const std::int64_t steps = brushSteps(dx, dy, canvas_.outerSize());
    if (steps == 0) return;  // not a twip further: the next reading goes on from here
    drawBrushSegment(canvas_, {lastTwips_.x, lastTwips_.y, twips.x, twips.y, lastRadius_, radius}, steps, 0, colour_);
  }
  path_.push_back(sample.at);
  lastTwips_ = twips;
  lastRadius_ = radius;
}

}  // namespace sumimai
