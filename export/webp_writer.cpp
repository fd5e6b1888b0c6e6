#include "webp_writer.h"

#include <webp/encode.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "export_error.h"
#include "webp_one_colour.h"

namespace sumimai {
namespace {

using Bytes = std::vector<std::uint8_t>;

void putLittle(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putTag(Bytes& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

// The longest duration a frame may have, in milliseconds (24 bits).
constexpr std::int64_t kLongestFrame = 0xFFFFFF;

WebPConfig configFor(std::optional<int> quality) {
  WebPConfig config;
  if (quality) {
    WebPConfigPreset(&config, WEBP_PRESET_DRAWING, static_cast<float>(*quality));
    config.method = 2;
  } else {
    WebPConfigInit(&config);
    config.lossless = 1;
    config.method = 0;
    config.quality = 0;
  }
  return config;
}

// Copies the rect's pixels into the encoder's picture, straight ARGB with
// alpha, as libwebp takes it.
void fill(WebPPicture& picture, const RgbImage& image, PixelRect rect, bool alpha) {
  for (int y = 0; y < picture.height; ++y) {
    const std::uint32_t* from = image.row(rect.top + y) + rect.left;
    std::uint32_t* to = picture.argb + static_cast<std::ptrdiff_t>(y) * picture.argb_stride;
    if (alpha) std::transform(from, from + picture.width, to, straightPixel);
    else std::memcpy(to, from, static_cast<std::size_t>(picture.width) * 4);
  }
}

// The image chunks of the part of an image within rect encoded alone: the
// encoder's file without its RIFF header and without any extended-format
// chunk (an alpha chunk stays).
Bytes encodeAlone(const RgbImage& image, PixelRect rect, std::optional<int> quality, bool alpha) {
  const WebPConfig config = configFor(quality);
  WebPPicture picture;
  WebPPictureInit(&picture);
  picture.use_argb = 1;
  picture.width = rect.right - rect.left;
  picture.height = rect.bottom - rect.top;
  WebPMemoryWriter memory;
  WebPMemoryWriterInit(&memory);
  picture.writer = WebPMemoryWrite;
  picture.custom_ptr = &memory;
  bool ok = WebPPictureAlloc(&picture) != 0;
  if (ok) fill(picture, image, rect, alpha);
  ok = ok && WebPEncode(&config, &picture);
  const int error = picture.error_code;
  Bytes chunks;
  for (std::size_t at = 12; ok && at + 8 <= memory.size;) {
    std::uint32_t size;
    std::memcpy(&size, memory.mem + at + 4, 4);
    const std::size_t whole = 8 + size + (size & 1);
    if (std::memcmp(memory.mem + at, "VP8X", 4) != 0) chunks.insert(chunks.end(), memory.mem + at, memory.mem + at + whole);
    at += whole;
  }
  WebPPictureFree(&picture);
  WebPMemoryWriterClear(&memory);
  if (!ok) throw exportError("the WebP encoder failed (error %1)", {std::to_string(error)});
  return chunks;
}

}  // namespace

WebPWriter::WebPWriter(const WriterSettings& settings, const std::filesystem::path& file)
    : TimedFrameWriter(settings.fps, {1000, 1, true}), path_(file), quality_(settings.quality), alpha_(settings.alpha) {
  file_ = std::fopen(file.c_str(), "wb");
  if (!file_) throw cannotWrite(path_, std::strerror(errno));
  writeHeader(settings);
}

WebPWriter::~WebPWriter() {
  if (file_) std::fclose(file_);
}

void WebPWriter::write(const void* bytes, std::size_t size) {
  if (std::fwrite(bytes, 1, size, file_) != size) {
    throw cannotWrite(path_, std::strerror(errno));
  }
}

void WebPWriter::writeHeader(const WriterSettings& settings) {
  Bytes header;
  putTag(header, "RIFF");
  putLittle(header, 0, 4);  // the file's size, known at the end
  putTag(header, "WEBP");
  putTag(header, "VP8X");
  putLittle(header, 10, 4);
  putLittle(header, alpha_ ? 0x12 : 0x02, 4);  // animated, with alpha or without; no metadata
  putLittle(header, static_cast<std::uint32_t>(settings.width - 1), 3);
  putLittle(header, static_cast<std::uint32_t>(settings.height - 1), 3);
  putTag(header, "ANIM");
  putLittle(header, 6, 4);
  putLittle(header, alpha_ ? 0 : 0xFFFFFFFF, 4);  // background: transparent, or opaque white
  putLittle(header, settings.loop ? 0 : 1, 2);  // 0 loops for ever
  write(header.data(), header.size());
}

Bytes WebPWriter::prepare(const RgbImage& picture, PixelRect rect) {
  // A plain ground's first frame, and any other part of one colour, needs
  // no encoder.
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (oneColour(picture, rect)) {
    const std::uint32_t pixel = picture.row(rect.top)[rect.left];
    return oneColourLosslessChunk(alpha_ ? straightPixel(pixel) : pixel, width, height);
  }
  return encodeAlone(picture, rect, quality_, alpha_);
}

void WebPWriter::store(const TimedFrame& frame) {
  const Bytes& image = frame.payload;
  Bytes head;
  putTag(head, "ANMF");
  putLittle(head, static_cast<std::uint32_t>(16 + image.size()), 4);
  putLittle(head, static_cast<std::uint32_t>(frame.rect.left / 2), 3);
  putLittle(head, static_cast<std::uint32_t>(frame.rect.top / 2), 3);
  putLittle(head, static_cast<std::uint32_t>(frame.width() - 1), 3);
  putLittle(head, static_cast<std::uint32_t>(frame.height() - 1), 3);
  putLittle(head, static_cast<std::uint32_t>(std::min(frame.end - frame.start, kLongestFrame)), 3);
  head.push_back(0x02);  // no blending: the part replaces what lay there; no disposal
  write(head.data(), head.size());
  write(image.data(), image.size());
}

void WebPWriter::finish(std::int64_t frameCount) {
  finishTimeline(frameCount);
  const long size = std::ftell(file_);
  if (size - 8 > 0xFFFFFFFFL) throw exportError("the animation is too long for a WebP file (4 GB at most)");
  Bytes riffSize;
  putLittle(riffSize, static_cast<std::uint32_t>(size - 8), 4);
  // Seeking writes out what the buffer holds: a full disk shows here.
  if (size < 0 || std::fseek(file_, 4, SEEK_SET) != 0)
    throw cannotWrite(path_, std::strerror(errno));
  write(riffSize.data(), riffSize.size());
  std::FILE* file = file_;
  file_ = nullptr;
  if (std::fclose(file) != 0) throw cannotWrite(path_, std::strerror(errno));
}

}  // namespace sumimai
