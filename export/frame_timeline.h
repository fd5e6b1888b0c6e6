// Frames for the formats that give each frame its own duration (WebP, GIF):
// a frame that changes nothing lengthens the one before, and each stored
// frame holds only the part of the picture that changed, prepared for its
// format as it comes (encoded, or mapped to a palette), so that no copy of a
// picture waits for its duration. Frame times are
// rounded to the format's unit (milliseconds, hundredths of a second), so
// that the durations add up to the animation's length; a frame that would
// last less than the shortest duration merges with the next one.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "frame_writer.h"

namespace sumimai {

struct TimedFrame {
  PixelRect rect;                     // where the part lies in the picture
  std::vector<std::uint8_t> payload;  // the picture within rect, as the writer prepared it
  std::int64_t start = 0, end = 0;    // in the format's units

  int width() const { return rect.right - rect.left; }
  int height() const { return rect.bottom - rect.top; }
};

struct TimelineUnits {
  int perSecond = 1000;
  int shortest = 1;          // the shortest duration a frame may have
  bool evenOffsets = false;  // parts start at even coordinates
};

class FrameTimeline {
 public:
  using Prepare = std::function<std::vector<std::uint8_t>(const RgbImage& picture, PixelRect rect)>;
  using Store = std::function<void(const TimedFrame&)>;
  FrameTimeline(int fps, TimelineUnits units, Prepare prepare, Store store);

  void add(const Frame& frame);
  // Stores the last frame, lasting until frame `frameCount` would begin
  // (or the shortest duration).
  void finish(std::int64_t frameCount);

 private:
  int fps_;
  TimelineUnits units_;
  Prepare prepare_;
  Store store_;
  std::optional<TimedFrame> pending_;
};

// A writer of a format whose frames have their own durations: frames pass
// through a timeline, which has each part prepared as it comes and hands it
// to store() once its duration is known.
class TimedFrameWriter : public FrameWriter {
 public:
  TimedFrameWriter(int fps, TimelineUnits units)
      : timeline_(
            fps, units, [this](const RgbImage& picture, PixelRect rect) { return prepare(picture, rect); },
            [this](const TimedFrame& frame) { store(frame); }) {}
  void add(const Frame& frame) final { timeline_.add(frame); }

 protected:
  // Stores the last frame.
  void finishTimeline(std::int64_t frameCount) { timeline_.finish(frameCount); }
  // The part of picture within rect, in the form store() writes.
  virtual std::vector<std::uint8_t> prepare(const RgbImage& picture, PixelRect rect) = 0;
  virtual void store(const TimedFrame& frame) = 0;

 private:
  FrameTimeline timeline_;
};

}  // namespace sumimai
