// The ink brush's idea of where the brush is and what it carries, followed
// from the rings alone: a ring near the last one continues the stroke (a
// step, or a ring of a start disc or a pause at the same place); a ring
// that leaves no ink on the paper, a line or a rectangle means the brush is
// in the air, and a ring far from the last one starts a new stroke. Time is
// counted in drawing calls, the drawing clock's own unit.
#pragma once

#include <cstdint>
#include <optional>

#include "core/geometry.h"

namespace sumimai {

// A place where the brush stood still long enough to soak the paper, or
// where a stroke ended. A stroke's start and a sharp turn count; a pause
// within a stroke that carries on in its direction does not.
struct Dwell {
  float x = 0, y = 0;   // ink pixels
  float radius = 0;     // the brush's radius there, pixels
  float strength = 0;   // 0..1: how long it stood and how wet it was
  float load = 1;       // the brush's load there
  // Where the paper lies open beside the stroke (unit; (0, 0): all round):
  // behind a start, ahead of a stop, outside a turn. Wet ink spreads there.
  float openX = 0, openY = 0;
  Rgb colour;
};

struct TrackEvents {
  bool newStroke = false;            // this ring begins a stroke: fresh bristles, full load
  std::optional<Dwell> dwelt;        // the brush has moved on from a place it dwelt at
  std::optional<Dwell> strokeEnded;  // the stroke before ended here
};

class BrushTrack {
 public:
  // Follows the brush to a ring at (x, y) of this radius (pixels); onPaper
  // is false for a ring that can leave no ink on the layer.
  TrackEvents follow(float x, float y, float radius, Rgb colour, double pixelsPerTwip, bool onPaper);
  // A call that lays no ring: the brush is lifted (ending its stroke).
  TrackEvents lift();

  bool inStroke() const { return inStroke_; }
  // Whether the last ring followed was a step: the brush moved to it.
  bool stepped() const { return stepped_; }
  // Whether the stroke has moved since it began.
  bool hasMoved() const { return moved_; }
  std::uint64_t strokeNumber() const { return stroke_; }  // 1 for the first stroke
  float radius() const { return radius_; }
  // The direction of travel (unit), or (0, 0) before the stroke has moved.
  float directionX() const { return dirX_; }
  float directionY() const { return dirY_; }
  // 1 at a stroke's start, running down with the length written, faster
  // when written fast, never below kLeastLoad.
  double load() const { return load_; }
  // Twips travelled per call, smoothed over the last few dozen calls.
  double speed() const { return speed_; }
  // Pixels travelled since the stroke's start.
  double travelled() const { return travelled_; }

  static constexpr double kLeastLoad = 0.22;

 private:
  void startStroke(float x, float y, float radius, Rgb colour);
  void move(float x, float y, float radius, double distance, double pixelsPerTwip);
  Dwell here(float strength, double openX, double openY) const;

  bool inStroke_ = false;
  std::uint64_t stroke_ = 0;
  float x_ = 0, y_ = 0, radius_ = 0;
  float dirX_ = 0, dirY_ = 0;
  double sumX_ = 0, sumY_ = 0;  // the direction, unnormalised
  double drained_ = 0, load_ = 1, speed_ = 0, travelled_ = 0;
  bool moved_ = false, stepped_ = false;
  std::int64_t dwellCalls_ = 0;
  double sinceDwellSpot_ = 0;  // pixels travelled since the last dwell told of
  double radiusTwips_ = 1;
  Rgb colour_;
};

}  // namespace sumimai
