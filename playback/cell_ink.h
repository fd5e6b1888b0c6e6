// The ink of one character's cell at any time of its drawing. The drawing
// is run again up to the time asked for, but from the latest state kept
// before it (the ink at some strokes' starts, and the last state shown):
// calls before that state are charged to the clock without pixel work, and
// the drawing stops at the first call after the time. So playing on draws
// only the new calls, and a jump costs at most a part of the character.
// The finished ink is kept apart from the state shown, and can be drawn
// ahead a little at a time.
#pragma once

#include <chrono>
#include <map>
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
  const InkLayer& finished();
  Duration duration() const { return duration_; }

  // Draws on towards the finished ink until `deadline` has passed (checked
  // at each stroke's start, and within a long stroke); true once the
  // finished ink is there. What finished() then returns is the same.
  bool prepareFinished(std::chrono::steady_clock::time_point deadline);
  bool finishedReady() const { return finishedReady_; }

  // The bytes of ink held (the states kept), for a cache that keeps many.
  std::size_t heldBytes() const;

 private:
  struct State {
    Duration time{0};
    InkLayer ink;
    // The ink brush as it stood at `time`, to go on from there (none in the
    // states kept at strokes' starts, where a brush starts afresh, and for
    // the round brush, which carries nothing along).
    std::shared_ptr<const RingPainter> painter;
  };
  class StoppingCanvas;
  using Deadline = std::optional<std::chrono::steady_clock::time_point>;
  const State* latestBefore(Duration offset) const;
  // The state at `time` (a stroke's start) is kept when enough of the
  // drawing lies between it and the state kept before it.
  void keep(Duration time, const InkLayer& ink);
  // Draws from the latest state before `offset` into `into` (keeping states
  // on the way, unless it is the finished ink); stops early once the
  // deadline has passed. Returns the time reached.
  Duration draw(Duration offset, State& into, Deadline deadline = std::nullopt);

  const CharacterStrokes* strokes_;
  PixelRect cell_;
  Framing framing_;
  DrawingStyle style_;
  std::vector<Duration> strokeStarts_;  // from the character's start
  Duration duration_{0};
  CellInkOptions options_;
  Duration callCost_{0};
  std::map<Duration, State> kept_;  // by time; a state stays put while the drawing goes on from it
  State current_;
  bool drawn_ = false;
  State finished_;  // while not ready: as far as it has been prepared
  bool finishedStarted_ = false;
  bool finishedReady_ = false;
};

}  // namespace sumimai
