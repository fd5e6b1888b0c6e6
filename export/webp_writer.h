// Animated WebP, written as it goes: each frame is the part of the picture
// that changed, encoded alone by libwebp (lossless, or lossy at a quality)
// and stored in the animation container at its offset, replacing what lay
// there. Memory stays that of one frame, whatever the animation's length.
#pragma once

#include <cstdio>
#include <filesystem>

#include "frame_timeline.h"
#include "writers.h"

namespace sumimai {

class WebPWriter : public FrameWriter {
 public:
  WebPWriter(const WriterSettings& settings, const std::filesystem::path& file);
  ~WebPWriter() override;

  void add(const Frame& frame) override { timeline_.add(frame); }
  void finish(std::int64_t frameCount) override;

 private:
  void store(const TimedFrame& frame);
  void write(const void* bytes, std::size_t size);
  void writeHeader(const WriterSettings& settings);

  std::filesystem::path path_;
  std::FILE* file_ = nullptr;
  std::optional<int> quality_;
  FrameTimeline timeline_;
};

}  // namespace sumimai
