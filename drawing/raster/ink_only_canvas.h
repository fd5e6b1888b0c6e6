// A raster canvas with ink only, of its own size, for tools, benchmarks and
// tests: clearing removes the ink.
#pragma once

#include "raster_canvas.h"

namespace sumimai {

class InkOnlyCanvas : public RasterCanvas {
 public:
  explicit InkOnlyCanvas(SizeF size = {}, double devicePixelsPerTwip = 1.0 / kTwipsPerPixel)
      : RasterCanvas(devicePixelsPerTwip), size_(size) {}

  SizeF outerSize() const override { return size_; }
  void setSize(SizeF size) override { size_ = size; }
  void clear() override {
    settleInk();
    ink().clear();
  }

 private:
  SizeF size_;
};

}  // namespace sumimai
