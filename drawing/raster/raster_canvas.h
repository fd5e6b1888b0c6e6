// A canvas whose drawings go into an ink layer of device pixels. Positions
// and radii arrive in twips and are mapped by the canvas's device pixels per
// twip (1/15 at 96 dots per inch, times the device pixel ratio). Every call
// is charged to the canvas's clock. The picture operations are left to the
// window system's canvas (or a tool's) that derives from it.
//
// As on the window system the drawings were made for, a drawing position
// names a pixel: position 0 is the centre of pixel 0, so a one-pixel outline
// at 0 covers pixel 0 and nothing of pixel 1. Rings keep their fractional
// centres and radii; lines and rectangle corners are rounded to whole pixels
// (a rectangle drawn from -10 twips lies wholly outside pixel 0, and one
// filled from 0 to a control's width covers exactly its pixels).
#pragma once

#include <memory>

#include "drawing/canvas.h"
#include "ink_layer.h"
#include "ring_painter.h"

namespace sumimai {

// The drawing calls go into the ink; the size and the wiping are left to the
// canvas that derives from it.
class RasterCanvas : public virtual Canvas {
 public:
  explicit RasterCanvas(double devicePixelsPerTwip);

  void drawRing(const Ring& ring) override;
  void drawLine(PointF from, PointF to, Rgb colour) override;
  void drawRectangle(PointF corner1, PointF corner2, Rgb colour) override;
  void fillRectangle(PointF corner1, PointF corner2, Rgb colour) override;

  double devicePixelsPerTwip() const { return scale_; }
  void setDevicePixelsPerTwip(double scale);

  // The ink, sized to the canvas's width and height in device pixels (it is
  // resized, and cleared, when the canvas's size changes).
  InkLayer& ink();

  // The size of the canvas in device pixels (what ink() is sized to).
  int pixelWidth() const;
  int pixelHeight() const;

  // Rings go to painter instead of being laid as solid outlines (none: the
  // round brush's outlines); it is told of every other drawing call too.
  void setRingPainter(std::unique_ptr<RingPainter> painter) { painter_ = std::move(painter); }
  RingPainter* ringPainter() const { return painter_.get(); }
  // The painter taken away, as it stands (none left: rings are then outlines).
  std::unique_ptr<RingPainter> releaseRingPainter() { return std::move(painter_); }
  // Lets the painter's settling ink reach its final state (nothing without
  // a painter).
  void settleInk();

 protected:
  // Runs after every drawing call has been charged and drawn; a canvas on
  // screen presents and paces here.
  virtual void afterDrawingCall() {}

 private:
  void fitInkToSize();
  int toPixels(float twips) const;
  // A position in twips in the ink layer's coordinates (pixel i spans
  // [i, i + 1)), kept fractional or rounded to a pixel's centre.
  float toInk(float twips) const;
  float toPixelCentre(float twips) const;
  void tellPainter();
  double scale_;
  InkLayer ink_;
  std::unique_ptr<RingPainter> painter_;
};

}  // namespace sumimai
