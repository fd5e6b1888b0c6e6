// A canvas whose drawings go into an ink layer of device pixels. Positions
// and radii arrive in twips and are mapped by the canvas's device pixels per
// twip (1/15 at 96 dots per inch, times the device pixel ratio). Every call
// is charged to the canvas's clock. The picture operations are left to the
// window system's canvas (or a tool's) that derives from it.
#pragma once

#include <string>

#include "ink_layer.h"
#include "window_services/canvas.h"

namespace sumimai {

class RasterCanvas : public Canvas {
 public:
  RasterCanvas(std::string name, double devicePixelsPerTwip);

  void drawRing(const Ring& ring) override;
  void drawLine(PointF from, PointF to, Rgb colour) override;
  void drawRectangle(PointF corner1, PointF corner2, Rgb colour) override;
  void fillRectangle(PointF corner1, PointF corner2, Rgb colour) override;

  double devicePixelsPerTwip() const { return scale_; }
  void setDevicePixelsPerTwip(double scale);

  // The ink, sized to the canvas's width and height in device pixels (it is
  // resized, and cleared, when the canvas's size changes).
  InkLayer& ink();

 protected:
  // Runs after every drawing call has been charged and drawn; a canvas on
  // screen presents and paces here.
  virtual void afterDrawingCall() {}

 private:
  void fitInkToSize();
  double scale_;
  InkLayer ink_;
};

}  // namespace sumimai
