// Playback of a writing: a position on the drawing clock of a timed
// composition, moved by real time while playing, by a stroke at a time, or
// set outright. Everything shown (the ink of each cell, the marks, an
// export's frames) is a function of the position alone.
#pragma once

#include <cstddef>
#include <optional>

#include "writing/composition_timing.h"

namespace sumimai {

// Where a position stands in the writing: the character being written (its
// index in the composition) and its stroke (from 0), or none before the
// first and after the last.
struct WritingPlace {
  std::size_t character = 0;
  int stroke = 0;
};

class Playback {
 public:
  using Duration = DrawingClock::Duration;

  // Starts at 0, playing.
  explicit Playback(CompositionTiming timing = {});

  // A new timing of the same composition (another speed, or more of it
  // timed): the position keeps its stroke and its share of it.
  void retime(CompositionTiming timing);
  const CompositionTiming& timing() const { return timing_; }

  Duration position() const { return position_; }
  Duration total() const { return timing_.total; }
  bool finished() const { return position_ >= timing_.total; }

  bool playing() const { return playing_; }
  // Playing from the end starts again.
  void play();
  void pause() { playing_ = false; }
  void togglePlaying() { playing_ ? pause() : play(); }

  bool looping() const { return loop_; }
  void setLooping(bool loop) { loop_ = loop; }

  // Moves on by real time (one unit of the clock per unit of real time)
  // while playing. At the end it stops there, or starts again when looping
  // (the finished writing is shown for `hold` first).
  void advance(Duration elapsed, Duration hold = Duration{0});

  // To the next stroke's start (or the end), pausing.
  void stepForward();
  // To the start of the stroke being written, or of the one before when the
  // position stands at a stroke's start, pausing.
  void stepBack();
  // To the start, playing.
  void home();
  // To the end: the writing finished.
  void end();
  // To a position, held to 0..total; the playing state stays.
  void scrub(Duration to);

  std::optional<WritingPlace> place() const { return placeOf(position_); }
  std::optional<WritingPlace> placeOf(Duration at) const;

 private:
  CompositionTiming timing_;
  Duration position_{0};
  Duration held_{0};  // how long the finished writing has been shown, looping
  bool playing_ = true;
  bool loop_ = false;
};

}  // namespace sumimai
