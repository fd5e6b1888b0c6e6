// The drawing surface the brush and the page are drawn on: it takes ring,
// line and rectangle calls in twips and shows each at once. Implementations:
// the recording canvas (tests, the trace tool), the ink raster (tools,
// benchmarks) and a window's canvas control (the programs).
#pragma once

#include "core/geometry.h"
#include "drawing_clock.h"

namespace sumimai {

// The brush's footprint: a circle outline one device pixel wide.
struct Ring {
  PointF centre;
  float radius = 0;
  Rgb colour;
  bool operator==(const Ring&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // The canvas's outer size in twips.
  virtual SizeF outerSize() const = 0;
  // Resizes the canvas (a window's canvas control: its width and height).
  virtual void setSize(SizeF size) = 0;

  // Drawing calls, in twips. Centres and corners may lie outside the canvas;
  // what falls outside costs no pixel work.
  virtual void drawRing(const Ring& ring) = 0;
  virtual void drawLine(PointF from, PointF to, Rgb colour) = 0;
  virtual void drawRectangle(PointF corner1, PointF corner2, Rgb colour) = 0;  // outline
  virtual void fillRectangle(PointF corner1, PointF corner2, Rgb colour) = 0;

  // Wipes every drawing (a window's canvas also drops its picture).
  virtual void clear() = 0;

  // Every drawing call is charged to this clock.
  DrawingClock& clock() { return clock_; }

 private:
  DrawingClock clock_;
};

}  // namespace sumimai
