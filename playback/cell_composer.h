// A cell of the writing's picture at the playback's position: the ground,
// the practice grid, the ghost, the ink so far and the marks of the strokes,
// composed into the picture's pixels. The window composes the cells it
// shows with it, an export every cell of every frame, so both agree.
#pragma once

#include <map>
#include <optional>

#include "learning_aids.h"
#include "writing_session.h"

namespace sumimai {

// What a cell shows: two equal looks are the same pixels.
struct CellLook {
  std::optional<DrawingClock::Duration> at;  // the ink's time into the character
  int stroke = -1;                           // the stroke being written (for its arrow), else -1
  bool timed = false;                        // its timing known (for the ghost)
  bool operator==(const CellLook&) const = default;
};

class CellComposer {
 public:
  // ground: the picture's ground, the size of the picture, as the pixels
  // composed into are laid out (the same stride).
  CellComposer(WritingSession& session, LearningAids aids, Rgb groundColour);

  const LearningAids& aids() const { return aids_; }
  CellLook lookOf(std::size_t index) const;
  // The cell composed into out from the ground's pixels (the same layout).
  void compose(std::size_t index, const std::uint32_t* ground, PixelView out);

 private:
  const std::vector<NumberPlace>& numberPlaces(std::size_t index);
  const std::vector<StrokeStart>& starts(std::size_t index);
  int digitHeight(PixelRect cell) const;

  WritingSession& session_;
  LearningAids aids_;
  std::unique_ptr<WritingInks> ghosts_;
  std::map<std::size_t, std::vector<StrokeStart>> starts_;
  std::map<std::size_t, std::vector<NumberPlace>> numbers_;
};

}  // namespace sumimai
