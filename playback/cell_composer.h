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
  bool finished = false;                     // its finished ink at hand (for the ghost and the numbers)
  bool operator==(const CellLook&) const = default;
};

class CellComposer {
 public:
  // How a cell's ghost and numbers come, which need its finished ink: at
  // once (an export), or once drawAhead() has drawn it (a window, which
  // keeps its frames short and composes the cell again then).
  enum class Finishing { AtOnce, DrawnAhead };

  CellComposer(WritingSession& session, LearningAids aids, Rgb groundColour, Finishing finishing = Finishing::AtOnce);

  const LearningAids& aids() const { return aids_; }
  CellLook lookOf(std::size_t index) const;
  // The cell composed into out from the ground's pixels, laid out as they
  // are (the same stride), the picture's size.
  void compose(std::size_t index, const std::uint32_t* ground, PixelView out);
  // Draws finished inks ahead, until the deadline: the ones the aids need,
  // and the ones a jump of the playback needs.
  void drawAhead(std::chrono::steady_clock::time_point deadline);

 private:
  const std::vector<NumberPlace>& numberPlaces(std::size_t index);
  const std::vector<StrokeStart>& starts(std::size_t index);
  int digitHeight(PixelRect cell) const;
  void drawNumbers(std::size_t index, const CellLook& look, PixelView out);

  WritingSession& session_;
  LearningAids aids_;
  Rgb ghost_;
  Finishing finishing_;
  std::map<std::size_t, std::vector<StrokeStart>> starts_;
  std::map<std::size_t, std::vector<NumberPlace>> numbers_;
};

}  // namespace sumimai
