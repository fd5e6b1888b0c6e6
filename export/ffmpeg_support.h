// Small helpers around FFmpeg's C interface: owners that free what it
// allocates, and its error codes as text. Used inside this layer only.
#pragma once

#include <memory>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace sumimai::ffmpeg {

struct CodecContextFree {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameFree {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFree {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct ScalerFree {
  void operator()(SwsContext* s) const { sws_freeContext(s); }
};
struct InputFree {
  void operator()(AVFormatContext* f) const { avformat_close_input(&f); }
};
using CodecPtr = std::unique_ptr<AVCodecContext, CodecContextFree>;
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;
using ScalerPtr = std::unique_ptr<SwsContext, ScalerFree>;
using InputPtr = std::unique_ptr<AVFormatContext, InputFree>;

// FFmpeg's text for an error code.
inline std::string errorText(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

// Nothing of the libraries reaches stderr: every failure comes back as an
// error code, which our own message names with the file.
inline void quiet() { av_log_set_level(AV_LOG_QUIET); }

// A file name FFmpeg takes as a local file whatever it contains (a colon
// would otherwise name a protocol).
inline std::string localUrl(const std::string& path) { return "file:" + path; }

}  // namespace sumimai::ffmpeg
