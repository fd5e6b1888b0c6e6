// MP4 (H.264) and WebM (VP9, or VP8 for large pictures) through FFmpeg's
// libavformat and libavcodec, 4:2:0. Frames keep their times on the grid of
// the frame rate, but only those that change the picture are stored, each
// converted only where it changed, and the last shown until the end: the pen
// lifts and the hold cost nothing (at 1080 x 1080 two thirds of a
// character's frames repeat the one before, and x264 spends as long on such
// a frame as on any other). An MP4 has its index at the front, so that it
// plays while it downloads.
#pragma once

#include <filesystem>
#include <memory>

#include "writers.h"

namespace sumimai {

enum class VideoCodec { H264, Vp9, Vp8 };

// The codec of a video file of this kind and picture size: for WebM, VP8
// where VP9's encoder would take more memory than an export may.
VideoCodec videoCodecFor(FileKind kind, int width, int height);

class VideoWriter : public FrameWriter {
 public:
  VideoWriter(VideoCodec codec, const WriterSettings& settings, const std::filesystem::path& file);
  ~VideoWriter() override;

  void add(const Frame& frame) override;
  bool readsRows() const override { return true; }  // the encoder's own planes hold the picture
  void addChangesAhead(const PictureRows& rows, PixelRect rect) override;
  void finish(std::int64_t frameCount) override;

 private:
  // Converts rect of rows into the encoder's planes.
  void convert(const PictureRows& rows, PixelRect rect);

  struct Encoder;
  std::unique_ptr<Encoder> encoder_;
  bool changedAhead_ = false;  // the planes hold changes not encoded yet
};

}  // namespace sumimai
