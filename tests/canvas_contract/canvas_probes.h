// The canvases the contract runs against, each with a way to see what it
// shows: the colour at a device pixel (15 twips a pixel), or the ground where
// nothing is drawn. A recording canvas shows what its calls, replayed onto an
// ink raster, draw: the contract then holds when it loses nothing of a call.
#pragma once

#include <memory>

#include "core/geometry.h"
#include "drawing/canvas.h"
#include "drawing/raster/ink_only_canvas.h"
#include "drawing/recording/recording_canvas.h"
#include "window/recording/recording_canvas_control.h"

namespace sumimai::testing {

class CanvasProbe {
 public:
  virtual ~CanvasProbe() = default;
  virtual Canvas& canvas() = 0;
  virtual Rgb shownAt(int x, int y) = 0;
  virtual Rgb ground() const { return {255, 255, 255}; }
};

class RasterProbe : public CanvasProbe {
 public:
  Canvas& canvas() override { return canvas_; }
  Rgb shownAt(int x, int y) override { return canvas_.ink().colourOverWhite(x, y); }

 private:
  InkOnlyCanvas canvas_;
};

// Replays recorded calls onto an ink raster of the recorder's size.
template <typename Recorder>
class ReplayProbe : public CanvasProbe {
 public:
  Canvas& canvas() override { return recorder_; }
  Rgb shownAt(int x, int y) override {
    if (!replay_ || replayed_ != recorder_.calls.size()) {  // calls are only ever added here
      replay_ = std::make_unique<InkOnlyCanvas>(recorder_.outerSize());
      for (const CanvasCall& call : recorder_.calls) std::visit(Replay{*replay_}, call);
      replayed_ = recorder_.calls.size();
    }
    return replay_->ink().colourOverWhite(x, y);
  }

 private:
  struct Replay {
    Canvas& to;
    void operator()(const Ring& r) { to.drawRing(r); }
    void operator()(const LineCall& l) { to.drawLine(l.from, l.to, l.colour); }
    void operator()(const RectangleCall& r) {
      r.filled ? to.fillRectangle(r.corner1, r.corner2, r.colour) : to.drawRectangle(r.corner1, r.corner2, r.colour);
    }
    void operator()(const ClearCall&) { to.clear(); }
  };
  Recorder recorder_;
  std::unique_ptr<InkOnlyCanvas> replay_;
  std::size_t replayed_ = 0;
};

using RecordingProbe = ReplayProbe<RecordingCanvas>;
using RecordingControlProbe = ReplayProbe<RecordingCanvasControl>;

}  // namespace sumimai::testing
