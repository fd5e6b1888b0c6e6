// Frames for the formats that give each frame its own duration (WebP, GIF):
// a frame that changes nothing lengthens the one before, and each stored
// frame holds only the part of the picture that changed. Frame times are
// rounded to the format's unit (milliseconds, hundredths of a second), so
// that the durations add up to the animation's length; a frame that would
// last less than the shortest duration merges with the next one.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "frame_writer.h"

namespace sumimai {

struct TimedFrame {
  PixelRect rect;  // where the part lies in the picture
  RgbImage part;   // the picture within rect
  std::int64_t start = 0, end = 0;  // in the format's units
};

struct TimelineUnits {
  int perSecond = 1000;
  int shortest = 1;          // the shortest duration a frame may have
  bool evenOffsets = false;  // parts start at even coordinates
};

class FrameTimeline {
 public:
  using Store = std::function<void(const TimedFrame&)>;
  FrameTimeline(int fps, TimelineUnits units, Store store);

  void add(const Frame& frame);
  // Stores the last frame, lasting until frame `frameCount` would begin
  // (or the shortest duration).
  void finish(std::int64_t frameCount);

 private:
  int fps_;
  TimelineUnits units_;
  Store store_;
  std::optional<TimedFrame> pending_;
};

// A writer of a format whose frames have their own durations: frames pass
// through a timeline, which hands each stored frame to store() once its
// duration is known.
class TimedFrameWriter : public FrameWriter {
 public:
  TimedFrameWriter(int fps, TimelineUnits units)
      : timeline_(fps, units, [this](const TimedFrame& frame) { store(frame); }) {}
  void add(const Frame& frame) final { timeline_.add(frame); }

 protected:
  // Stores the last frame.
  void finishTimeline(std::int64_t frameCount) { timeline_.finish(frameCount); }
  virtual void store(const TimedFrame& frame) = 0;

 private:
  FrameTimeline timeline_;
};

}  // namespace sumimai
