// What the frame canvas hands a file writer: every frame in order, each as
// the whole picture and the rectangle that changed since the frame before.
#pragma once

#include <algorithm>
#include <cstdint>

#include "drawing/drawing_clock.h"

#include "picture_rows.h"
#include "rgb_image.h"

namespace sumimai {

struct Frame {
  // The whole picture; empty (0 x 0) when the writer reads rows instead
  // (FrameWriter::readsRows).
  const RgbImage& picture;
  PixelRect changed;   // empty when the frame shows what the one before showed
  std::int64_t index;  // shown from index / fps seconds on
  // The frame's pixels row by row, where the frame canvas hands them so
  // (null: read picture).
  const PictureRows* rows = nullptr;
};

class FrameWriter {
 public:
  virtual ~FrameWriter() = default;
  // Frames 0, 1, 2, ... one after another; frame 0 changes the whole picture.
  virtual void add(const Frame& frame) = 0;
  // Whether the writer reads only the changed rows of each frame (within
  // one pixel of the changed rectangle) through Frame::rows while add()
  // runs, and never keeps the picture: the canvas then need not keep a whole
  // picture of its own.
  virtual bool readsRows() const { return false; }
  // For a writer that reads rows: the next frame changes rect too, whatever
  // its own rectangle says. The rows are read now, as they cannot be
  // composed later.
  virtual void addChangesAhead(const PictureRows& /*rows*/, PixelRect /*rect*/) {}
  // The animation ends where frame `frameCount` would begin; writes what is
  // left. Throws ExportError when the file cannot be written.
  virtual void finish(std::int64_t frameCount) = 0;
};

// The time frame `index` begins at `fps` frames a second, in units of
// 1 / unitsPerSecond seconds, rounded to the nearest unit.
inline std::int64_t frameStart(std::int64_t index, int fps, int unitsPerSecond) {
  return (2 * index * unitsPerSecond + fps) / (2 * static_cast<std::int64_t>(fps));
}

}  // namespace sumimai

namespace sumimai {

// How many frames at `fps` cover a drawing that charged `drawing` and the
// hold after it: at least one.
inline std::int64_t framesFor(DrawingClock::Duration drawing, DrawingClock::Duration hold, int fps) {
  constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
  const std::int64_t end = (drawing + hold).count();
  return std::max<std::int64_t>(1, (end * fps + kNanosecondsPerSecond - 1) / kNanosecondsPerSecond);
}

}  // namespace sumimai
