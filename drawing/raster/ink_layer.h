// The ink of a canvas: a raster of device pixels that rings, lines and
// rectangles are drawn into, kept apart from what lies beneath it (pictures,
// controls) and composited over that when the canvas is presented.
//
// Pixel (i, j) covers [i, i + 1) x [j, j + 1); coordinates are real numbers in
// device pixels. Within one colour, coverage combines by maximum, so a
// hundred overlapping rings leave an edge with the coverage of the outermost
// one instead of piling up into a hard, grown edge. Ink of another colour
// drawn over a pixel flattens what was there beneath the new colour.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/geometry.h"
#include "zeroed_plane.h"

namespace sumimai {

class InkLayer {
 public:
  InkLayer() = default;
  InkLayer(int width, int height);

  // Resizes and clears.
  void reset(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  // Removes all ink.
  void clear();
  // Removes the ink within rect (a control shown over it repaints there).
  void erase(PixelRect rect);

  // Limits drawing to rect (for example the part of the canvas that its
  // window shows): drawing calls leave every pixel outside it alone and cost
  // no pixel work there. The limit stays across reset(); the default is
  // unlimited (the whole layer).
  void setDrawableArea(PixelRect rect);
  // The pixels drawing calls may touch: the drawable area within the layer.
  PixelRect drawableArea() const { return area_; }

  // A circle outline one pixel wide, antialiased, centred at (cx, cy): it
  // covers the radii radius - 0.5 .. radius + 0.5. A radius below one pixel
  // still leaves a small dot. Anything outside the layer costs no pixel
  // work; a negative radius or a coordinate that is not finite draws nothing.
  void ring(float cx, float cy, float radius, Rgb colour);
  // A line one pixel wide between two points, antialiased, with square ends
  // reaching half a pixel beyond them (so that outlines close at corners).
  void line(float x1, float y1, float x2, float y2, Rgb colour);
  // The outline of the rectangle with these corners, one pixel wide.
  void rectangleOutline(float x1, float y1, float x2, float y2, Rgb colour);
  // The rectangle with these corners, filled: each pixel is covered by the
  // share of its area that lies inside.
  void fillRectangle(float x1, float y1, float x2, float y2, Rgb colour);

  // For brushes that shade their own ink: combines coverage[i] (0..255) of
  // the colour into pixel (x + i, y) for i < count, as a ring's ink combines.
  // The pixels must lie within drawableArea().
  void combineRun(int x, int y, int count, const std::uint8_t* coverage, Rgb colour);

  // The bounding box of all pixels touched since the last call, then empty.
  PixelRect takeDirty();

  // Composites the ink over 32-bit premultiplied ARGB pixels (0xAARRGGBB in
  // native byte order, as QImage::Format_ARGB32_Premultiplied holds them)
  // within rect. pixels addresses pixel (0, 0) of an image the size of the
  // layer; stride is in pixels.
  void compositeOnto(std::uint32_t* pixels, std::ptrdiff_t stride, PixelRect rect) const;
  // The same for pixels [left, right) of row y, pixels holding pixel left
  // first; the part outside the layer is left as it is.
  void compositeRow(int y, int left, int right, std::uint32_t* pixels) const;
  // The same with all the ink in one colour: each pixel's ink, whatever
  // its colours, as much of `colour` as it covers (a faint copy of a
  // drawing, say).
  void compositeTintedOnto(std::uint32_t* pixels, std::ptrdiff_t stride, PixelRect rect, Rgb colour) const;

  // For tests and tools: the coverage 0..255 of the topmost ink at a pixel,
  // and the colour the pixel shows over white.
  std::uint8_t coverage(int x, int y) const;
  Rgb colourOverWhite(int x, int y) const;

 private:
  // Adds coverage (0..255) of the colour rgb (0xRRGGBB) at pixel index i.
  // A drawing call first tells the layer its colour (useColour).
  void plot(std::size_t i, std::uint32_t coverage, std::uint32_t rgb);
  // Before a call draws in rgb: makes the plane of flattened ink when rgb
  // is a second colour since the last clear.
  void useColour(std::uint32_t rgb);
  // The plane of flattened ink, or null while one colour alone was drawn.
  std::uint32_t* belowPlane() { return below_.empty() ? nullptr : below_.data(); }
  // Widens the dirty box to rect (it runs once per ring, so inline).
  void markDirty(PixelRect rect) {
    if (rect.empty()) return;
    dirty_ = {std::min(rect.left, dirty_.left), std::min(rect.top, dirty_.top), std::max(rect.right, dirty_.right),
              std::max(rect.bottom, dirty_.bottom)};
  }

  static constexpr int kUnlimited = 1 << 30;
  int width_ = 0, height_ = 0;
  // Per pixel, the topmost colour packed with its coverage (coverage << 24 |
  // 0xRRGGBB) and the flattened ink beneath it (premultiplied ARGB). Both
  // run on a few pixels past the last, which the ring kernel may read.
  // While the ink since the last clear has one colour nothing lies beneath
  // the top, and below_ is left empty: that halves the layer's memory for a
  // drawing in one ink (a 4096 x 4096 layer holds 64 MB a plane).
  raster::ZeroedPlane below_;
  raster::ZeroedPlane top_;
  static constexpr std::uint32_t kNoColour = 0xFF000000u;  // no ink drawn since the last clear
  std::uint32_t soleColour_ = kNoColour;
  // Nothing dirty is the inverted box of the whole range, which any box
  // widens by plain minimum and maximum.
  static constexpr PixelRect kNothingDirty{kUnlimited, kUnlimited, -kUnlimited, -kUnlimited};
  PixelRect dirty_ = kNothingDirty;
  // Every pixel that may hold ink: the dirty boxes taken since the last
  // clear. Clearing changes only these.
  PixelRect inked_ = kNothingDirty;
  PixelRect drawable_{0, 0, kUnlimited, kUnlimited};
  PixelRect area_;  // drawable_ within the layer
};

}  // namespace sumimai
