// The ink of one character's cell at any time of its drawing. The drawing
// is run again up to the time asked for, but from the latest state kept
// before it (the ink at each stroke's start, and the last state shown):
// calls before that state are charged to the clock without pixel work, and
// the drawing stops at the first call after the time. So playing on draws
// only the new calls, and a jump costs at most one stroke's pixels.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "drawing/ink_brush/brush_choice.h"
#include "drawing/raster/ink_layer.h"
#include "drawing/drawing_pace.h"
#include "writing/composition_timing.h"

namespace sumimai {

struct CellInkOptions {
  double devicePixelsPerTwip = 1.0 / 15;
  // Each stroke in its own colour, taken in turn from this list; empty: the
  // style's ink.
  std::vector<Rgb> strokeColours;
  DrawingClock::Duration callCost = kDrawingCallCost;  // the canvas's cost the timing was made with
  // The brush the ink is laid with. The ink brush starts afresh at every
  // stroke, seeded by the stroke's number, so that a stroke looks the same
  // however the playback came to it.
  BrushChoice brush;
};

class CellInk {
 public:
  using Duration = DrawingClock::Duration;

  // The character's ink in a cell of this size (the character's own cell at
  // its own corner); timing gives its strokes' times from its start.
  CellInk(const CharacterStrokes& strokes, PixelRect cell, Framing framing, DrawingStyle style,
          const CharacterTiming& timing, CellInkOptions options = {});
  ~CellInk();
  CellInk(CellInk&&) noexcept;

  // The ink after every call charged up to `offset` from the character's
  // start (past its end: finished). Sized to the cell's canvas, the cell's
  // corner at pixel (0, 0).
  const InkLayer& at(Duration offset);
  const InkLayer& finished() { return at(duration_); }
  Duration duration() const { return duration_; }

  // The bytes of ink held (the states kept), for a cache that keeps many.
  std::size_t heldBytes() const;

 private:
  struct State {
    Duration time{0};
    InkLayer ink;
  };
  class StoppingCanvas;
  const State* latestBefore(Duration offset) const;
  void keep(Duration time, const InkLayer& ink);

  const CharacterStrokes* strokes_;
  PixelRect cell_;
  Framing framing_;
  DrawingStyle style_;
  std::vector<Duration> strokeStarts_;  // from the character's start
  Duration duration_{0};
  CellInkOptions options_;
  Duration callCost_{0};
  std::vector<State> kept_;  // ordered by time
  State current_;
  bool drawn_ = false;
};

}  // namespace sumimai
