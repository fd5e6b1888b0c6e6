#include "gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "export_error.h"

namespace sumimai {
namespace {

// A GIF palette holds a power of two of colours.
constexpr int kPaletteSize = 256;
// Delays are 16-bit counts of hundredths of a second.
constexpr std::int64_t kLongestDelay = 0xFFFF;

// giflib's text for its error code; for a failed write or close (a full
// disk), the system's reason it leaves in errno, which says more.
std::string gifError(int code, int systemError) {
  if ((code == E_GIF_ERR_WRITE_FAILED || code == E_GIF_ERR_DISK_IS_FULL || code == E_GIF_ERR_CLOSE_FAILED) &&
      systemError != 0)
    return std::strerror(systemError);
  const char* text = GifErrorString(code);
  return text ? text : "error " + std::to_string(code);
}

GifPalette paletteOf(const WriterSettings& settings) {
  if (!settings.palette) throw ExportError("a GIF needs its palette");
  return *settings.palette;
}

}  // namespace

GifWriter::GifWriter(const WriterSettings& settings, const std::filesystem::path& file)
    : TimedFrameWriter(settings.fps, {100, 2, false}), path_(file), palette_(paletteOf(settings)) {
  int error = 0;
  gif_ = EGifOpenFileName(file.c_str(), false, &error);
  const int systemError = errno;
  if (!gif_) throw cannotWrite(path_, gifError(error, systemError));
  writeHeader(settings);
}

GifWriter::~GifWriter() {
  if (gif_) EGifCloseFile(gif_, nullptr);
}

void GifWriter::check(int result, const char* what) {
  const int systemError = errno;  // before anything else can change it
  if (result == GIF_OK) return;
  throw cannotWrite(path_, what, gifError(gif_->Error, systemError));
}

void GifWriter::writeHeader(const WriterSettings& settings) {
  std::vector<GifColorType> colours(kPaletteSize, GifColorType{0, 0, 0});
  const auto& used = palette_.colours();
  for (std::size_t i = 0; i < used.size() && i < colours.size(); ++i) {
    colours[i] = {static_cast<GifByteType>(used[i] >> 16), static_cast<GifByteType>(used[i] >> 8),
                  static_cast<GifByteType>(used[i])};
  }
  ColorMapObject* map = GifMakeMapObject(kPaletteSize, colours.data());
  EGifSetGifVersion(gif_, true);
  const int described = EGifPutScreenDesc(gif_, settings.width, settings.height, 8, 0, map);
  GifFreeMapObject(map);
  check(described, "screen");
  if (!settings.loop) return;
  // The application extension that makes viewers loop for ever.
  static const GifByteType kNetscape[] = "NETSCAPE2.0";
  static const GifByteType kForEver[] = {1, 0, 0};
  check(EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE), "loop");
  check(EGifPutExtensionBlock(gif_, 11, kNetscape), "loop");
  check(EGifPutExtensionBlock(gif_, 3, kForEver), "loop");
  check(EGifPutExtensionTrailer(gif_), "loop");
}

std::vector<std::uint8_t> GifWriter::prepare(const RgbImage& picture, PixelRect rect) {
  std::vector<std::uint8_t> indices;
  indices.reserve(static_cast<std::size_t>(rect.right - rect.left) * static_cast<std::size_t>(rect.bottom - rect.top));
  for (int y = rect.top; y < rect.bottom; ++y) {
    const std::uint32_t* row = picture.row(y);
    std::transform(row + rect.left, row + rect.right, std::back_inserter(indices),
                   [this](std::uint32_t p) { return palette_.indexOf(p); });
  }
  return indices;
}

void GifWriter::store(const TimedFrame& frame) {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.DelayTime = static_cast<int>(std::min(frame.end - frame.start, kLongestDelay));
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const std::size_t length = EGifGCBToExtension(&control, extension);
  check(EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension), "frame");
  const int width = frame.width();
  check(EGifPutImageDesc(gif_, frame.rect.left, frame.rect.top, width, frame.height(), false, nullptr), "frame");
  // giflib takes a line it does not change through a pointer to non-const.
  auto* line = const_cast<GifPixelType*>(frame.payload.data());
  for (int y = 0; y < frame.height(); ++y, line += width) check(EGifPutLine(gif_, line, width), "frame");
}

void GifWriter::finish(std::int64_t frameCount) {
  finishTimeline(frameCount);
  int error = 0;
  GifFileType* gif = gif_;
  gif_ = nullptr;
  if (EGifCloseFile(gif, &error) != GIF_OK) {
    const int systemError = errno;
    throw cannotWrite(path_, gifError(error, systemError));
  }
}

}  // namespace sumimai
