#include "decoders.h"

#include <gif_lib.h>
#include <webp/demux.h>

#include <cstring>
#include <fstream>
#include <stdexcept>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

#include "test_files.h"

namespace sumimai::testing {
namespace {

RgbImage fromRgba(const std::uint8_t* rgba, int width, int height) {
  RgbImage image(width, height);
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    const std::uint8_t* p = rgba + 4 * i;
    image.pixels[i] = std::uint32_t{p[3]} << 24 | std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
  }
  return image;
}

// The top-level boxes of an MP4 file and where they start.
void findBoxes(const std::filesystem::path& file, VideoFacts& facts) {
  const std::string bytes = readFile(file);
  for (std::size_t at = 0; at + 8 <= bytes.size();) {
    std::uint32_t size = 0;
    for (int i = 0; i < 4; ++i) size = size << 8 | static_cast<unsigned char>(bytes[at + i]);
    const std::string type = bytes.substr(at + 4, 4);
    if (type == "moov") facts.indexOffset = static_cast<std::int64_t>(at);
    if (type == "mdat") facts.dataOffset = static_cast<std::int64_t>(at);
    if (size < 8) break;
    at += size;
  }
}

RgbImage toRgb(const AVFrame* frame) {
  SwsContext* scaler = sws_getContext(frame->width, frame->height, static_cast<AVPixelFormat>(frame->format),
                                      frame->width, frame->height, AV_PIX_FMT_RGBA, SWS_POINT, nullptr, nullptr,
                                      nullptr);
  // swscale's vector code may write a little past the last row.
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(frame->width) * frame->height * 4 + 64);
  std::uint8_t* out = rgba.data();
  const int stride = frame->width * 4;
  sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, &out, &stride);
  sws_freeContext(scaler);
  return fromRgba(rgba.data(), frame->width, frame->height);
}

}  // namespace

DecodedAnimation decodeWebP(const std::filesystem::path& file) {
  const std::string bytes = readFile(file);
  WebPData data{reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
  WebPAnimDecoderOptions options;
  WebPAnimDecoderOptionsInit(&options);
  options.color_mode = MODE_RGBA;
  WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
  if (!decoder) throw std::runtime_error("libwebp cannot read " + file.string());
  WebPAnimInfo info;
  WebPAnimDecoderGetInfo(decoder, &info);
  DecodedAnimation animation{static_cast<int>(info.canvas_width), static_cast<int>(info.canvas_height),
                             static_cast<int>(info.loop_count), {}};
  while (WebPAnimDecoderHasMoreFrames(decoder)) {
    std::uint8_t* pixels = nullptr;
    int timestamp = 0;
    if (!WebPAnimDecoderGetNext(decoder, &pixels, &timestamp)) throw std::runtime_error("bad frame in " + file.string());
    animation.frames.push_back({fromRgba(pixels, animation.width, animation.height), timestamp});
  }
  WebPAnimDecoderDelete(decoder);
  return animation;
}

DecodedAnimation decodeGif(const std::filesystem::path& file) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(file.c_str(), &error);
  if (!gif || DGifSlurp(gif) != GIF_OK) throw std::runtime_error("giflib cannot read " + file.string());
  DecodedAnimation animation{gif->SWidth, gif->SHeight, -1, {}};
  RgbImage canvas(gif->SWidth, gif->SHeight);
  std::int64_t time = 0;
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& image = gif->SavedImages[i];
    for (int e = 0; e < image.ExtensionBlockCount; ++e) {
      const ExtensionBlock& block = image.ExtensionBlocks[e];
      if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
          std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0 && e + 1 < image.ExtensionBlockCount) {
        const ExtensionBlock& loop = image.ExtensionBlocks[e + 1];
        animation.loopCount = loop.Bytes[1] | loop.Bytes[2] << 8;
      }
    }
    GraphicsControlBlock control{};
    DGifSavedExtensionToGCB(gif, i, &control);
    const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
    const GifImageDesc& d = image.ImageDesc;
    for (int y = 0; y < d.Height; ++y) {
      for (int x = 0; x < d.Width; ++x) {
        const GifColorType c = map->Colors[image.RasterBits[y * d.Width + x]];
        canvas.row(d.Top + y)[d.Left + x] = 0xFF000000u | std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue;
      }
    }
    time += control.DelayTime;
    animation.frames.push_back({canvas, time});
  }
  DGifCloseFile(gif, &error);
  return animation;
}

VideoFacts readVideo(const std::filesystem::path& file) {
  VideoFacts facts;
  AVFormatContext* input = nullptr;
  if (avformat_open_input(&input, file.c_str(), nullptr, nullptr) < 0 || avformat_find_stream_info(input, nullptr) < 0) {
    throw std::runtime_error("libavformat cannot read " + file.string());
  }
  const AVCodec* codec = nullptr;
  const int stream = av_find_best_stream(input, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
  AVCodecContext* decoder = avcodec_alloc_context3(codec);
  avcodec_parameters_to_context(decoder, input->streams[stream]->codecpar);
  avcodec_open2(decoder, codec, nullptr);
  facts.container = input->iformat->name;
  facts.codec = codec->name;
  facts.width = decoder->width, facts.height = decoder->height;
  facts.pixelFormat = av_get_pix_fmt_name(decoder->pix_fmt);
  facts.seconds = static_cast<double>(input->duration) / AV_TIME_BASE;
  const AVRational base = input->streams[stream]->time_base;
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  auto drain = [&] {
    while (avcodec_receive_frame(decoder, frame) == 0) {
      ++facts.frames;
      facts.frameTimes.push_back(static_cast<double>(frame->best_effort_timestamp) * av_q2d(base));
      facts.lastFrameEnd = static_cast<double>(frame->best_effort_timestamp + frame->pkt_duration) * av_q2d(base);
      facts.lastFrame = toRgb(frame);
    }
  };
  while (av_read_frame(input, packet) >= 0) {
    if (packet->stream_index == stream) avcodec_send_packet(decoder, packet);
    av_packet_unref(packet);
    drain();
  }
  avcodec_send_packet(decoder, nullptr);
  drain();
  av_frame_free(&frame);
  av_packet_free(&packet);
  avcodec_free_context(&decoder);
  avformat_close_input(&input);
  if (facts.container.find("mp4") != std::string::npos) findBoxes(file, facts);
  return facts;
}

RgbImage decodePng(const std::filesystem::path& file) {
  AVFormatContext* input = nullptr;
  if (avformat_open_input(&input, file.c_str(), nullptr, nullptr) < 0) throw std::runtime_error("cannot open " + file.string());
  const AVCodec* codec = nullptr;
  const int stream = av_find_best_stream(input, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
  AVCodecContext* decoder = avcodec_alloc_context3(codec);
  avcodec_parameters_to_context(decoder, input->streams[stream]->codecpar);
  avcodec_open2(decoder, codec, nullptr);
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  RgbImage image;
  while (image.pixels.empty() && av_read_frame(input, packet) >= 0) {
    avcodec_send_packet(decoder, packet);
    if (avcodec_receive_frame(decoder, frame) == 0) image = toRgb(frame);
    av_packet_unref(packet);
  }
  av_frame_free(&frame);
  av_packet_free(&packet);
  avcodec_free_context(&decoder);
  avformat_close_input(&input);
  return image;
}

}  // namespace sumimai::testing
