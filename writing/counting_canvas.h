// A cell canvas that charges every call to its clock and draws nothing: how
// long a drawing takes, quickly (no pixels).
#pragma once

#include "cell_drawing.h"

namespace sumimai {

class CountingCanvas : public CellCanvas {
 public:
  SizeF outerSize() const override { return size_; }
  void setSize(SizeF size) override { size_ = size; }
  void drawRing(const Ring&) override { clock().charge(); }
  void drawLine(PointF, PointF, Rgb) override { clock().charge(); }
  void drawRectangle(PointF, PointF, Rgb) override { clock().charge(); }
  void fillRectangle(PointF, PointF, Rgb) override { clock().charge(); }
  void clear() override {}
  void place(SizeF canvas, PixelRect) override { size_ = canvas; }

 private:
  SizeF size_;
};

}  // namespace sumimai
