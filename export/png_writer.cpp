#include "png_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "export_error.h"
#include "ffmpeg_support.h"

namespace sumimai {

void PngWriter::finish(std::int64_t) {
  if (last_) writePng(*last_, path_, alpha_);
}

void writePng(const RgbImage& picture, const std::filesystem::path& file, bool alpha) {
  using namespace ffmpeg;
  quiet();
  auto fail = [&](const std::string& why) { throw cannotWrite(file, why); };
  const AVCodec* png = avcodec_find_encoder(AV_CODEC_ID_PNG);
  if (!png) fail("FFmpeg has no PNG encoder");
  CodecPtr codec(avcodec_alloc_context3(png));
  codec->width = picture.width, codec->height = picture.height;
  const AVPixelFormat format = alpha ? AV_PIX_FMT_RGBA : AV_PIX_FMT_RGB24;
  codec->pix_fmt = format;
  codec->time_base = {1, 1};
  if (int e = avcodec_open2(codec.get(), png, nullptr); e < 0) fail(errorText(e));
  FramePtr frame(av_frame_alloc());
  frame->format = format, frame->width = picture.width, frame->height = picture.height;
  if (int e = av_frame_get_buffer(frame.get(), 0); e < 0) fail(errorText(e));
  for (int y = 0; y < picture.height; ++y) {
    std::uint8_t* out = frame->data[0] + static_cast<std::ptrdiff_t>(y) * frame->linesize[0];
    const std::uint32_t* row = picture.row(y);
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t p = alpha ? straightPixel(row[x]) : row[x];
      *out++ = p >> 16 & 0xFF, *out++ = p >> 8 & 0xFF, *out++ = p & 0xFF;
      if (alpha) *out++ = p >> 24 & 0xFF;
    }
  }
  PacketPtr packet(av_packet_alloc());
  if (int e = avcodec_send_frame(codec.get(), frame.get()); e < 0) fail(errorText(e));
  if (int e = avcodec_receive_packet(codec.get(), packet.get()); e < 0) fail(errorText(e));
  std::FILE* out = std::fopen(file.c_str(), "wb");
  if (!out) fail(std::strerror(errno));
  const std::size_t size = static_cast<std::size_t>(packet->size);
  const bool whole = std::fwrite(packet->data, 1, size, out) == size;
  const int writeError = errno;
  // A full disk may show only when the last buffer goes out, at fclose.
  if (std::fclose(out) != 0 || !whole) fail(std::strerror(whole ? errno : writeError));
}

}  // namespace sumimai
