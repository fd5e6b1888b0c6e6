// Reading back what the exporter wrote, with decoders we did not write:
// libwebp's animation decoder, giflib's reader, FFmpeg's demuxers and
// decoders.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "export/rgb_image.h"

namespace sumimai::testing {

// The decoded pictures keep the files' alpha: a pixel that is not opaque
// holds straight (not premultiplied) colours.
struct DecodedFrame {
  RgbImage picture;   // the whole canvas as shown
  std::int64_t end;   // when the frame ends: WebP milliseconds, GIF hundredths of a second
};

struct DecodedAnimation {
  int width = 0, height = 0;
  int loopCount = -1;  // 0: for ever; -1: no loop given
  std::vector<DecodedFrame> frames;
};

// The frames as libwebp's animation decoder composes them.
DecodedAnimation decodeWebP(const std::filesystem::path& file);
// The frames as giflib reads them, each laid over the ones before (no
// disposal); loopCount from the NETSCAPE2.0 extension.
DecodedAnimation decodeGif(const std::filesystem::path& file);

struct VideoFacts {
  std::string container, codec, pixelFormat;
  int width = 0, height = 0;
  std::int64_t frames = 0;         // decoded
  std::vector<double> frameTimes;  // when each decoded frame begins, seconds
  double seconds = 0;              // the container's duration
  double lastFrameEnd = 0;         // the last frame's time plus its duration
  std::int64_t indexOffset = -1;   // MP4: where the moov box starts
  std::int64_t dataOffset = -1;    // MP4: where the mdat box starts
  RgbImage lastFrame;              // converted back to RGB
};
VideoFacts readVideo(const std::filesystem::path& file);

RgbImage decodePng(const std::filesystem::path& file);

}  // namespace sumimai::testing
