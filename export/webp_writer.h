// Animated WebP, written as it goes: each frame is the part of the picture
// that changed, encoded alone by libwebp (lossless, or lossy at a quality)
// and stored in the animation container at its offset, replacing what lay
// there (with a transparent ground, alpha and all). The container's chunks are written here one frame at a time,
// rather than assembled by WebPMux, which would hold every frame until the
// end: memory stays that of one frame, whatever the animation's length.
#pragma once

#include <cstdio>
#include <filesystem>

#include "frame_timeline.h"
#include "writers.h"

namespace sumimai {

class WebPWriter : public TimedFrameWriter {
 public:
  WebPWriter(const WriterSettings& settings, const std::filesystem::path& file);
  ~WebPWriter() override;

  void finish(std::int64_t frameCount) override;

 private:
  std::vector<std::uint8_t> prepare(const RgbImage& picture, PixelRect rect) override;
  void store(const TimedFrame& frame) override;
  void write(const void* bytes, std::size_t size);
  void writeHeader(const WriterSettings& settings);

  std::filesystem::path path_;
  std::FILE* file_ = nullptr;
  std::optional<int> quality_;
  bool alpha_;  // the pixels' transparency kept
};

}  // namespace sumimai
