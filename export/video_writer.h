// MP4 (H.264) and WebM (VP9) through FFmpeg's libavformat and libavcodec:
// every frame at a constant rate, 4:2:0, each converted only where it
// changed. An MP4 has its index at the front, so that it plays while it
// downloads.
#pragma once

#include <filesystem>
#include <memory>

#include "writers.h"

namespace sumimai {

class VideoWriter : public FrameWriter {
 public:
  VideoWriter(FileKind kind, const WriterSettings& settings, const std::filesystem::path& file);
  ~VideoWriter() override;

  void add(const Frame& frame) override;
  void finish(std::int64_t frameCount) override;

 private:
  struct Encoder;
  std::unique_ptr<Encoder> encoder_;
};

}  // namespace sumimai
