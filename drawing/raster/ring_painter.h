// A brush that shades the rings a raster canvas is given instead of laying
// them as solid outlines. The canvas still charges every call to its clock
// and hands the painter the ink on every call; the painter never owns it.
// So a brush changes only the pixels, never the calls or their timing.
#pragma once

#include <memory>

#include "core/geometry.h"
#include "ink_layer.h"

namespace sumimai {

// A ring in the ink layer's coordinates (device pixels, pixel i spanning
// [i, i + 1)); pixelsPerTwip tells the painter how far one twip reaches.
struct InkRing {
  float cx = 0, cy = 0, radius = 0;
  Rgb colour;
  double pixelsPerTwip = 1.0 / kTwipsPerPixel;
};

class RingPainter {
 public:
  virtual ~RingPainter() = default;
  // One ring call: the painter combines what it makes of it into ink.
  virtual void ring(InkLayer& ink, const InkRing& ring) = 0;
  // A call that draws no ring (a line or a rectangle): time passes.
  virtual void otherCall(InkLayer& ink) = 0;
  // The drawing is finished or about to be wiped: anything still settling
  // (wet ink spreading) reaches its final state now.
  virtual void settle(InkLayer& ink) = 0;
  // Where the ink's pixel (0, 0) lies on the paper (a picture's pixels), so
  // that a texture of the paper stays in place from one canvas to the next.
  virtual void setPaperOrigin(int x, int y) = 0;
  // A painter in the same state: given the calls this one is given from
  // now on, it paints what this one would.
  virtual std::unique_ptr<RingPainter> clone() const = 0;
};

}  // namespace sumimai
