// Canvases that draw nothing and record every call, for tests and for the
// trace tool. Their clock charges nothing unless a test sets a cost.
#pragma once

#include <cstdint>
#include <functional>
#include <variant>
#include <vector>

#include "drawing/canvas.h"

namespace sumimai {

struct LineCall {
  PointF from, to;
  Rgb colour;
  bool operator==(const LineCall&) const = default;
};
struct RectangleCall {
  PointF corner1, corner2;
  Rgb colour;
  bool filled = false;
  bool operator==(const RectangleCall&) const = default;
};
// The canvas wiped. On a window's canvas, pictureSet tells that it was given
// a picture of its own (which wipes it too) rather than the empty one.
struct ClearCall {
  bool pictureSet = false;
  bool operator==(const ClearCall&) const = default;
};
using CanvasCall = std::variant<Ring, LineCall, RectangleCall, ClearCall>;

// The drawing calls recorded; the size and the wiping are left to the canvas
// that derives from it.
class CallRecorder : public virtual Canvas {
 public:
  void drawRing(const Ring& ring) override;
  void drawLine(PointF from, PointF to, Rgb colour) override;
  void drawRectangle(PointF corner1, PointF corner2, Rgb colour) override;
  void fillRectangle(PointF corner1, PointF corner2, Rgb colour) override;

  // Every call in order, unless keepCalls is false (long drawings in tests
  // that only count).
  std::vector<CanvasCall> calls;
  bool keepCalls = true;
  // Called with every call as it is made (the trace tool prints from here).
  std::function<void(const CanvasCall&)> onCall;

  std::uint64_t ringCount = 0;
  std::uint64_t rectangleCount = 0;
  std::uint64_t lineCount = 0;

  // The rings recorded, in order.
  std::vector<Ring> rings() const;
  // Forgets the calls and the counts.
  void forgetCalls();

 protected:
  // Records a call; drawing calls are charged to the clock first.
  void record(CanvasCall call);
};

// A recording canvas of its own size.
class RecordingCanvas : public CallRecorder {
 public:
  RecordingCanvas() = default;
  explicit RecordingCanvas(SizeF size) : size_(size) {}

  SizeF outerSize() const override { return size_; }
  void setSize(SizeF size) override { size_ = size; }
  void clear() override { record(ClearCall{}); }

 private:
  SizeF size_;
};

}  // namespace sumimai
