// Animated GIF through giflib, written as it goes: one global palette, each
// frame the part of the picture that changed, kept on screen (no disposal)
// for whole hundredths of a second, at least two of them, since viewers
// slow down frames that are shorter.
#pragma once

#include <filesystem>

#include "frame_timeline.h"
#include "writers.h"

struct GifFileType;

namespace sumimai {

class GifWriter : public TimedFrameWriter {
 public:
  GifWriter(const WriterSettings& settings, const std::filesystem::path& file);
  ~GifWriter() override;

  void finish(std::int64_t frameCount) override;

 private:
  void writeHeader(const WriterSettings& settings);
  std::vector<std::uint8_t> prepare(const RgbImage& picture, PixelRect rect) override;
  void store(const TimedFrame& frame) override;
  void check(int result, const char* what);

  std::filesystem::path path_;
  GifFileType* gif_ = nullptr;
  GifPalette palette_;
};

}  // namespace sumimai
