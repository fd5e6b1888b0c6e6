#include "video_writer.h"

#include <cstdint>

#include "export_error.h"
#include "ffmpeg_support.h"
#include "yuv_frame.h"

namespace sumimai {
namespace {

using namespace ffmpeg;

struct OutputFree {
  void operator()(AVFormatContext* f) const {
    if (f->pb) avio_closep(&f->pb);
    avformat_free_context(f);
  }
};

struct Codec {
  const char* container;
  const char* encoder;
};

Codec codecOf(VideoCodec codec) {
  switch (codec) {
    case VideoCodec::H264:
      return {"mp4", "libx264"};
    case VideoCodec::Vp9:
      return {"webm", "libvpx-vp9"};
    case VideoCodec::Vp8:
      break;
  }
  return {"webm", "libvpx"};
}

// Chosen by measurement on two cores shared with other work
// (bench/export/ratios): a 1080 x 1080 character of 204 frames, of which 61
// change the picture and are encoded, took 0.37 s of processor time with
// x264's ultrafast preset, 0.51 s with superfast and 0.62 s with veryfast
// (0.6, 0.8 and 0.9 s of wall time against 6.8 s of animation); only the
// fastest keeps ten times real time with other work running. Its files are
// larger (83 KB against 36 KB for veryfast) at constant quality 20, which
// leaves the ink's edges clean; the tunings for animation and still
// pictures changed little. Rate control by the frame rate (below) asks for
// quality 17 to look the same: the finished 蘊 comes back at 63.4 dB PSNR
// either way, its pixels at most 4 levels off, in a file of the same size.
// VP9 and VP8 in their real-time modes at the highest speed, at constant
// quality.
void setCodecOptions(VideoCodec codec, AVDictionary** options) {
  if (codec == VideoCodec::H264) {
    av_dict_set(options, "preset", "ultrafast", 0);
    av_dict_set(options, "crf", "17", 0);
    // Threads within one frame rather than one frame per thread: at 4096 x
    // 4096 every frame in flight holds about 80 MB of x264's planes. Rate
    // control by the frame rate rather than by each frame's own duration
    // (the frames that repeat the one before are left out, so durations
    // vary): at 4096 x 4096 that spares x264 some 40 MB; the frames keep
    // their times.
    av_dict_set(options, "x264-params", "sliced-threads=1:force-cfr=1", 0);
    return;
  }
  av_dict_set(options, "deadline", "realtime", 0);
  av_dict_set(options, "lag-in-frames", "0", 0);
  av_dict_set(options, "crf", "32", 0);
  av_dict_set(options, "b", "0", 0);
  if (codec == VideoCodec::Vp9) {
    av_dict_set(options, "cpu-used", "8", 0);
    av_dict_set(options, "row-mt", "1", 0);
  } else {
    av_dict_set(options, "cpu-used", "16", 0);
  }
}

// libvpx's encoders hold buffers for the whole picture as they open,
// whatever their settings (threads, tiles, error resilience and the
// adaptive quantiser change nothing): VP9 some 76 bytes a pixel, of which
// its token buffer takes 48, VP8 some 35. With the frame canvas's 6 bytes a
// pixel and some 50 MB beside, VP9 would pass the 300 MB an export may take
// above about 3 million pixels, VP8 above about 6.5 million (at 4096 x 4096
// VP8 takes some 700 MB, VP9 1260). VP9's files are smaller, and every
// WebM player reads either.
constexpr std::int64_t kLargestVp9Picture = 3'000'000;

}  // namespace

VideoCodec videoCodecFor(FileKind kind, int width, int height) {
  if (kind == FileKind::Mp4) return VideoCodec::H264;
  return std::int64_t{width} * height <= kLargestVp9Picture ? VideoCodec::Vp9 : VideoCodec::Vp8;
}

struct VideoWriter::Encoder {
  std::filesystem::path path;
  std::unique_ptr<AVFormatContext, OutputFree> output;
  CodecPtr codec;
  AVStream* stream = nullptr;
  FramePtr picture{av_frame_alloc()};
  PacketPtr packet{av_packet_alloc()};

  [[noreturn]] void fail(const std::string& what, int error) const {
    throw cannotWrite(path, what, errorText(error));
  }
  void check(int result, const std::string& what) const {
    if (result < 0) fail(what, result);
  }

  void open(VideoCodec kind, const WriterSettings& settings);
  void send(AVFrame* frame);
};

void VideoWriter::Encoder::open(VideoCodec kind, const WriterSettings& s) {
  quiet();
  const Codec names = codecOf(kind);
  AVFormatContext* made = nullptr;
  check(avformat_alloc_output_context2(&made, nullptr, names.container, nullptr), "container");
  output.reset(made);
  const AVCodec* found = avcodec_find_encoder_by_name(names.encoder);
  if (!found) throw ExportError(std::string("FFmpeg has no encoder ") + names.encoder);
  codec.reset(avcodec_alloc_context3(found));
  codec->width = s.width, codec->height = s.height;
  codec->pix_fmt = AV_PIX_FMT_YUV420P;
  codec->time_base = {1, s.fps};
  codec->framerate = {s.fps, 1};
  codec->gop_size = 5 * s.fps;
  codec->color_range = AVCOL_RANGE_MPEG;
  codec->colorspace = AVCOL_SPC_BT709;
  codec->color_primaries = AVCOL_PRI_BT709;
  codec->color_trc = AVCOL_TRC_BT709;
  if (output->oformat->flags & AVFMT_GLOBALHEADER) codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  AVDictionary* options = nullptr;
  setCodecOptions(kind, &options);
  const int opened = avcodec_open2(codec.get(), found, &options);
  av_dict_free(&options);
  check(opened, "encoder");
  stream = avformat_new_stream(output.get(), nullptr);
  check(stream ? avcodec_parameters_from_context(stream->codecpar, codec.get()) : AVERROR(ENOMEM), "stream");
  stream->time_base = codec->time_base;
  // The MP4 muxer reopens the file by its name to move the index to the front.
  output->url = av_strdup(localUrl(path.string()).c_str());
  check(output->url ? avio_open(&output->pb, output->url, AVIO_FLAG_WRITE) : AVERROR(ENOMEM), "open");
  AVDictionary* muxing = nullptr;
  if (kind == VideoCodec::H264) av_dict_set(&muxing, "movflags", "+faststart", 0);
  const int written = avformat_write_header(output.get(), &muxing);
  av_dict_free(&muxing);
  check(written, "header");
  picture->format = codec->pix_fmt;
  picture->width = s.width, picture->height = s.height;
  check(av_frame_get_buffer(picture.get(), 0), "frame");
}

void VideoWriter::Encoder::send(AVFrame* frame) {
  check(avcodec_send_frame(codec.get(), frame), "encoding");
  while (true) {
    const int received = avcodec_receive_packet(codec.get(), packet.get());
    if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return;
    check(received, "encoding");
    if (packet->duration == 0) packet->duration = 1;
    av_packet_rescale_ts(packet.get(), codec->time_base, stream->time_base);
    packet->stream_index = stream->index;
    check(av_interleaved_write_frame(output.get(), packet.get()), "writing");
  }
}

VideoWriter::VideoWriter(VideoCodec codec, const WriterSettings& settings, const std::filesystem::path& file)
    : encoder_(std::make_unique<Encoder>()) {
  encoder_->path = file;
  encoder_->open(codec, settings);
}

VideoWriter::~VideoWriter() = default;

// A frame that changes nothing is not encoded: the one before lasts until
// the next that changes something (each keeps its time on the frame grid),
// which spares the encoder the pauses and the hold.
void VideoWriter::add(const Frame& frame) {
  const ImageRows whole(frame.picture);
  if (!frame.changed.empty()) convert(frame.rows ? *frame.rows : whole, frame.changed);
  else if (!changedAhead_) return;
  changedAhead_ = false;
  encoder_->picture->pts = frame.index;
  encoder_->send(encoder_->picture.get());
}

void VideoWriter::addChangesAhead(const PictureRows& rows, PixelRect rect) {
  convert(rows, rect);
  changedAhead_ = true;
}

void VideoWriter::convert(const PictureRows& rows, PixelRect rect) {
  AVFrame* picture = encoder_->picture.get();
  encoder_->check(av_frame_make_writable(picture), "frame");
  convertToYuv420(rows, {picture->width, picture->height}, rect,
                  {picture->data[0], picture->data[1], picture->data[2], picture->linesize[0],
                   picture->linesize[1], picture->linesize[2]});
}

// The last picture once more as the last frame, so that the video lasts
// until frame `frameCount` would begin.
void VideoWriter::finish(std::int64_t frameCount) {
  AVFrame* picture = encoder_->picture.get();
  if (picture->pts < frameCount - 1) {
    picture->pts = frameCount - 1;
    encoder_->send(picture);
  }
  encoder_->send(nullptr);
  encoder_->check(av_write_trailer(encoder_->output.get()), "index");
  encoder_->check(avio_closep(&encoder_->output->pb), "closing");
}

}  // namespace sumimai
