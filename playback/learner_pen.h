// The learner's own brush: the width of a stroke written with a pointer,
// and its ink laid by the programs' brush. A pen tablet's pressure sets the
// width; with a mouse the width follows the speed (slow is wide, fast is
// thin). Either way the width changes smoothly, as a brush's would.
#pragma once

#include <optional>
#include <vector>

#include "core/geometry.h"
#include "drawing/canvas.h"

namespace sumimai {

// One reading of the pointer: where (pixels of the cell), when
// (milliseconds, any origin) and, from a pen tablet, how hard (0..1).
struct PenSample {
  PenSample(PointF at, double ms, std::optional<double> pressure = std::nullopt)
      : at(at), ms(ms), pressure(pressure) {}
  PointF at;
  double ms = 0;
  std::optional<double> pressure;
};

// The radius (twips) a pen lays between its narrowest and its widest.
struct PenWidths {
  double narrowest = 1;
  double widest = 1;
};

// The speed, in cell sides per second, at which a mouse's stroke has
// thinned to about a third of the way from its widest to its narrowest.
inline constexpr double kThinningSpeed = 1.2;
// How long the width takes to follow a change most of the way (ms): the
// smoothing's time constant.
inline constexpr double kWidthSmoothing = 60;

// The radius a mouse writes with at this speed (cell sides per second).
double radiusAtSpeed(double speed, PenWidths widths);
// The radius a pen writes with at this pressure (0..1, held to it).
double radiusAtPressure(double pressure, PenWidths widths);

// The width as it follows the pointer: each reading's target reached
// smoothly, by the time passed since the reading before.
class PenWidth {
 public:
  PenWidth(PenWidths widths, double cellPixels) : widths_(widths), cell_(cellPixels) {}
  // The radius (twips) at this reading.
  double follow(const PenSample& sample);

 private:
  PenWidths widths_;
  double cell_;
  std::optional<PenSample> last_;
  double radius_ = 0;
};

// A stroke written on a canvas (positions in twips there) with the
// programs' brush: the start disc, then from reading to reading a brush
// segment between the radii. Keeps the path in cell pixels.
class LearnerStroke {
 public:
  LearnerStroke(Canvas& canvas, PenWidths widths, double cellPixels, double pixelsPerTwip, Rgb colour);
  void add(const PenSample& sample);
  const std::vector<PointF>& path() const { return path_; }

 private:
  Canvas& canvas_;
  PenWidth width_;
  double pixelsPerTwip_;
  Rgb colour_;
  std::vector<PointF> path_;
  PointF lastTwips_;
  double lastRadius_ = 0;
};

}  // namespace sumimai
