// The still of the finished writing as a PNG file, through libavcodec's
// PNG encoder: the last frame's picture, as sumimai-render gives it.
#pragma once

#include <filesystem>

#include "writers.h"

namespace sumimai {

class PngWriter : public FrameWriter {
 public:
  // alpha: RGBA, keeping the pixels' transparency, rather than RGB.
  PngWriter(const std::filesystem::path& file, bool alpha) : path_(file), alpha_(alpha) {}

  void add(const Frame& frame) override { last_ = &frame.picture; }
  void finish(std::int64_t frameCount) override;

 private:
  std::filesystem::path path_;
  bool alpha_;
  const RgbImage* last_ = nullptr;  // the frame canvas's picture, which outlives the writer's use
};

// Writes a picture as a PNG file: RGB, or RGBA with alpha. Throws
// ExportError naming the file.
void writePng(const RgbImage& picture, const std::filesystem::path& file, bool alpha = false);

}  // namespace sumimai
