#include "picture_file.h"

#include "export_error.h"
#include "ffmpeg_support.h"

namespace sumimai {
namespace {

using namespace ffmpeg;

[[noreturn]] void fail(const std::filesystem::path& path, const std::string& why) {
  throw exportError("cannot read the picture %1: %2", {path.string(), userText("Export", why.c_str())});
}

// Options that keep FFmpeg to the one file named and to picture formats:
// playlists and concatenation lists (which name other files to read) are
// not among the formats, no protocol but plain files is allowed, and the
// image reader takes the name as it is, never as a numbered sequence.
AVDictionary* pictureOnlyOptions() {
  AVDictionary* options = nullptr;
  av_dict_set(&options, "format_whitelist",
              "image2,bmp_pipe,gif,gif_pipe,jpeg_pipe,jpegls_pipe,png_pipe,webp_pipe,tiff_pipe,ppm_pipe,pgm_pipe,"
              "pbm_pipe,pam_pipe,qoi_pipe,j2k_pipe,psd_pipe,sgi_pipe,pcx_pipe,sunrast_pipe,xbm_pipe,xpm_pipe",
              0);
  av_dict_set(&options, "protocol_whitelist", "file", 0);
  av_dict_set(&options, "pattern_type", "none", 0);
  return options;
}

// The first frame the file decodes to.
FramePtr firstFrame(const std::filesystem::path& path) {
  quiet();
  std::error_code error;
  if (!std::filesystem::exists(path, error)) fail(path, "no such file");
  if (!std::filesystem::is_regular_file(path, error)) fail(path, "not a regular file");
  AVFormatContext* opened = nullptr;
  AVDictionary* options = pictureOnlyOptions();
  const int e = avformat_open_input(&opened, localUrl(path.string()).c_str(), nullptr, &options);
  av_dict_free(&options);
  if (e < 0) fail(path, e == AVERROR(EINVAL) ? "not a picture" : errorText(e));
  InputPtr input(opened);
  const AVCodec* codec = nullptr;
  const int stream = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
  if (stream < 0 || !codec) fail(path, "not a picture");
  CodecPtr decoder(avcodec_alloc_context3(codec));
  if (avcodec_parameters_to_context(decoder.get(), input->streams[stream]->codecpar) < 0 ||
      avcodec_open2(decoder.get(), codec, nullptr) < 0) {
    fail(path, "its kind of picture cannot be decoded");
  }
  PacketPtr packet(av_packet_alloc());
  FramePtr frame(av_frame_alloc());
  bool ended = false;
  while (true) {
    if (avcodec_receive_frame(decoder.get(), frame.get()) == 0) return frame;
    if (ended) fail(path, "no picture in it could be decoded");
    if (av_read_frame(input.get(), packet.get()) < 0) {
      ended = true;
      avcodec_send_packet(decoder.get(), nullptr);
    } else {
      if (packet->stream_index == stream) avcodec_send_packet(decoder.get(), packet.get());
      av_packet_unref(packet.get());
    }
  }
}

}  // namespace

RgbImage readPicture(const std::filesystem::path& path, int width, int height) {
  FramePtr frame = firstFrame(path);
  ScalerPtr scaler(sws_getContext(frame->width, frame->height, static_cast<AVPixelFormat>(frame->format), width, height,
                               AV_PIX_FMT_RGB32, SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr,
                               nullptr, nullptr));
  if (!scaler) fail(path, "its pixel format cannot be converted");
  RgbImage image(width, height);
  auto* out = reinterpret_cast<std::uint8_t*>(image.pixels.data());
  const int stride = width * 4;
  sws_scale(scaler.get(), frame->data, frame->linesize, 0, frame->height, &out, &stride);
  for (std::uint32_t& p : image.pixels) p |= 0xFF000000u;  // the ground is opaque
  return image;
}

}  // namespace sumimai
