#include "raster_canvas.h"

#include <algorithm>
#include <cmath>

namespace sumimai {

namespace {

constexpr double kDefaultScale = 1.0 / kTwipsPerPixel;
// No side of the ink grows beyond this many device pixels, whatever size the
// canvas is given.
constexpr double kLargestSide = 16384;

bool usableScale(double scale) { return std::isfinite(scale) && scale > 0; }

}  // namespace

RasterCanvas::RasterCanvas(double devicePixelsPerTwip)
    : scale_(usableScale(devicePixelsPerTwip) ? devicePixelsPerTwip : kDefaultScale) {}

void RasterCanvas::setDevicePixelsPerTwip(double scale) {
  if (usableScale(scale)) scale_ = scale;
}

int RasterCanvas::toPixels(float twips) const {
  double pixels = std::round(twips * scale_);
  if (!(pixels > 0)) return 0;
  return static_cast<int>(std::min(pixels, kLargestSide));
}

int RasterCanvas::pixelWidth() const { return toPixels(outerSize().width); }
int RasterCanvas::pixelHeight() const { return toPixels(outerSize().height); }

void RasterCanvas::fitInkToSize() {
  const int w = pixelWidth(), h = pixelHeight();
  if (w != ink_.width() || h != ink_.height()) ink_.reset(w, h);
}

InkLayer& RasterCanvas::ink() {
  fitInkToSize();
  return ink_;
}

float RasterCanvas::toInk(float twips) const { return static_cast<float>(twips * scale_ + 0.5); }

float RasterCanvas::toPixelCentre(float twips) const {
  return static_cast<float>(std::round(twips * scale_) + 0.5);
}

void RasterCanvas::settleInk() {
  if (painter_) painter_->settle(ink());
}

void RasterCanvas::tellPainter() {
  if (painter_) painter_->otherCall(ink());
}

void RasterCanvas::drawRing(const Ring& ring) {
  clock().charge();
  const float cx = toInk(ring.centre.x), cy = toInk(ring.centre.y);
  const float radius = static_cast<float>(ring.radius * scale_);
  if (painter_) painter_->ring(ink(), {cx, cy, radius, ring.colour, scale_});
  else ink().ring(cx, cy, radius, ring.colour);
  afterDrawingCall();
}

void RasterCanvas::drawLine(PointF from, PointF to, Rgb colour) {
  clock().charge();
  ink().line(toPixelCentre(from.x), toPixelCentre(from.y), toPixelCentre(to.x), toPixelCentre(to.y), colour);
  tellPainter();
  afterDrawingCall();
}

void RasterCanvas::drawRectangle(PointF corner1, PointF corner2, Rgb colour) {
  clock().charge();
  ink().rectangleOutline(toPixelCentre(corner1.x), toPixelCentre(corner1.y), toPixelCentre(corner2.x),
                         toPixelCentre(corner2.y), colour);
  tellPainter();
  afterDrawingCall();
}

void RasterCanvas::fillRectangle(PointF corner1, PointF corner2, Rgb colour) {
  clock().charge();
  // Pixel edges: the filled area runs between the rounded positions.
  auto edge = [this](float twips) { return static_cast<float>(std::round(twips * scale_)); };
  ink().fillRectangle(edge(corner1.x), edge(corner1.y), edge(corner2.x), edge(corner2.y), colour);
  tellPainter();
  afterDrawingCall();
}

}  // namespace sumimai
