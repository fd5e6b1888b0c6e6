// A text being written in a window: its composition, timed a few
// characters at a time, its playback and the ink of its cells. Everything
// the window shows comes from here; the window moves it on by real time.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "playback.h"
#include "progressive_timing.h"
#include "writing_inks.h"

namespace sumimai {

class WritingSession {
 public:
  using Duration = DrawingClock::Duration;

  WritingSession(Composition composition, DrawingStyle style, CellInkOptions options = {});

  const Composition& composition() const { return composition_; }
  Playback& playback() { return playback_; }
  const Playback& playback() const { return playback_; }
  const DrawingStyle& style() const { return style_; }

  // Moves the writing on by real time, timing more of it first if needed
  // (a little each time, so that a long text starts at once).
  void advance(Duration elapsed);
  // The whole writing timed (before a jump to its end, or an export).
  void timeAll();

  // Another speed or other ink options: the writing is timed and drawn anew,
  // the position kept at its stroke.
  void restyle(DrawingStyle style, CellInkOptions options);

  // How far into its drawing a character stands (none: nothing drawn yet).
  std::optional<Duration> inkTime(std::size_t index) const;
  // Its ink at that time.
  const InkLayer& ink(std::size_t index, Duration offset);
  // Its finished ink.
  const InkLayer& finishedInk(std::size_t index);
  bool finishedReady(std::size_t index) const { return inks_->finishedReady(index); }
  // Draws finished inks ahead, from the character being written on (those
  // timed so far), until the deadline (at least a stroke) or while the ink
  // held leaves room.
  void prepareAhead(std::chrono::steady_clock::time_point deadline);

  // The characters with no strokes to write (Missing or Damaged), each once,
  // in the order of the text.
  std::vector<std::string> unwritten() const;

 private:
  Composition composition_;
  DrawingStyle style_;
  CellInkOptions options_;
  std::unique_ptr<ProgressiveTiming> timing_;
  Playback playback_;
  std::unique_ptr<WritingInks> inks_;
};

}  // namespace sumimai
