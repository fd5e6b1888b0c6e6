#include "brush_track.h"

#include <algorithm>
#include <cmath>

namespace sumimai {
namespace {

// A ring farther than this from the last one (pixels) is a new stroke.
constexpr double kJump = 2.0;
// The speed is smoothed over about this many calls.
constexpr double kSpeedCalls = 64;
// At the speed of writing without pacing, the load falls to 1/e of what it
// can lose over this many brush radii.
constexpr double kRadiiPerLoad = 13;
// One twip per call: the brush's pace when nothing slows it.
constexpr double kFullSpeed = 1.2;
// A turn sharper than about 45 degrees: the cosine of the angle between the
// way the brush came and the way it goes on.
constexpr double kSharpTurn = 0.7;

}  // namespace

void BrushTrack::startStroke(float x, float y, float radius, Rgb colour) {
  inStroke_ = true;
  ++stroke_;
  x_ = x, y_ = y, radius_ = radius;
  dirX_ = dirY_ = 0;
  sumX_ = sumY_ = 0;
  drained_ = 0, load_ = 1, speed_ = 0, travelled_ = 0;
  moved_ = false;
  dwellCalls_ = 1;
  sinceDwellSpot_ = 1e9;
  colour_ = colour;
}

Dwell BrushTrack::here(float strength, double openX, double openY) const {
  const double length = std::hypot(openX, openY);
  const double ox = length > 1e-6 ? openX / length : 0, oy = length > 1e-6 ? openY / length : 0;
  return {x_, y_, radius_, std::clamp(strength, 0.0f, 1.0f), static_cast<float>(load_),
          static_cast<float>(ox), static_cast<float>(oy), colour_};
}

TrackEvents BrushTrack::lift() {
  TrackEvents events;
  stepped_ = false;
  if (inStroke_) {
    // A stop: the brush presses and lifts, a short dwell of its own.
    events.strokeEnded = here(static_cast<float>(0.45 + 0.35 * load_), dirX_, dirY_);
    inStroke_ = false;
  }
  return events;
}

void BrushTrack::move(float x, float y, float radius, double distance, double pixelsPerTwip) {
  const double ux = (x - x_) / distance, uy = (y - y_) / distance;
  // The direction turns over about a quarter of the brush's radius.
  const double turn = std::min(1.0, distance / std::max(0.25, 0.25 * radius_));
  sumX_ = sumX_ * (1 - turn) + ux * turn;
  sumY_ = sumY_ * (1 - turn) + uy * turn;
  const double length = std::hypot(sumX_, sumY_);
  if (length > 1e-9) dirX_ = static_cast<float>(sumX_ / length), dirY_ = static_cast<float>(sumY_ / length);
  const double step = distance / pixelsPerTwip;
  speed_ += (step - speed_) / kSpeedCalls;
  const double pace = 0.35 + 0.65 * std::min(speed_ / kFullSpeed, 1.3);
  drained_ += distance * pace / (kRadiiPerLoad * std::max(1.0f, radius_));
  load_ = kLeastLoad + (1 - kLeastLoad) * std::exp(-drained_);
  x_ = x, y_ = y, radius_ = radius;
  moved_ = true;
  sinceDwellSpot_ += distance;
  travelled_ += distance;
}

TrackEvents BrushTrack::follow(float x, float y, float radius, Rgb colour, double pixelsPerTwip, bool onPaper) {
  stepped_ = false;
  if (!onPaper) return lift();
  TrackEvents events;
  const double distance = std::hypot(x - x_, y - y_);
  if (!inStroke_ || distance > kJump) {
    events = lift();
    startStroke(x, y, radius, colour);
    events.newStroke = true;
    return events;
  }
  colour_ = colour;
  if (distance < 1e-4) {
    ++dwellCalls_;
    speed_ -= speed_ / kSpeedCalls;
    if (!moved_) radius_ = std::max(radius_, radius);
    return events;
  }
  radiusTwips_ = std::max(1.0, radius_ / pixelsPerTwip);
  const double longDwell = std::max(24.0, 0.5 * radiusTwips_);
  // Before the stroke has moved there is no turn: its start always counts.
  const double ux = (x - x_) / distance, uy = (y - y_) / distance;
  const double along = moved_ ? ux * dirX_ + uy * dirY_ : -1;
  if (dwellCalls_ >= longDwell && sinceDwellSpot_ >= 0.8 * radius_ && along < kSharpTurn) {
    const float strength = static_cast<float>(dwellCalls_ / radiusTwips_ * (0.5 + 0.5 * load_));
    events.dwelt = moved_ ? here(strength, dirX_ - ux, dirY_ - uy) : here(strength, -ux, -uy);
    sinceDwellSpot_ = 0;
  }
  dwellCalls_ = 1;
  move(x, y, radius, distance, pixelsPerTwip);
  stepped_ = true;
  return events;
}

}  // namespace sumimai
