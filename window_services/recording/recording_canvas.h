// A canvas that draws nothing and records every call, for tests and for the
// trace tool. Its clock charges nothing unless a test sets a cost.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "window_services/canvas.h"

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
struct PictureCall {
  std::string source;  // "" for the empty picture (the canvas was cleared)
  bool empty = true;
  bool operator==(const PictureCall&) const = default;
};
using CanvasCall = std::variant<Ring, LineCall, RectangleCall, PictureCall>;

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(std::string name = "Picture1") : Canvas(std::move(name)) {}

  void drawRing(const Ring& ring) override;
  void drawLine(PointF from, PointF to, Rgb colour) override;
  void drawRectangle(PointF corner1, PointF corner2, Rgb colour) override;
  void fillRectangle(PointF corner1, PointF corner2, Rgb colour) override;
  void setPicture(const Picture& picture) override;
  const Picture& picture() const override { return picture_; }
  Picture capture() override;
  PictureSave savePicture(const std::string& path) override;

  // Every call in order, unless keepCalls is false (long drawings in tests
  // that only count).
  std::vector<CanvasCall> calls;
  bool keepCalls = true;
  // Called with every call as it is made (the trace tool prints from here).
  std::function<void(const CanvasCall&)> onCall;

  std::uint64_t ringCount = 0;
  std::uint64_t rectangleCount = 0;
  std::uint64_t lineCount = 0;
  std::vector<std::string> savedFiles;  // paths given to savePicture
  bool failSave = false;                // savePicture then fails

  // The rings recorded, in order.
  std::vector<Ring> rings() const;

 private:
  void record(CanvasCall call);
  Picture picture_;
};

}  // namespace sumimai
