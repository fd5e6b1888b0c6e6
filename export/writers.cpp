#include "writers.h"

#include <algorithm>
#include <cctype>

#include "export_error.h"
#include "gif_writer.h"
#include "png_writer.h"
#include "video_writer.h"
#include "webp_writer.h"

namespace sumimai {

std::optional<FileKind> fileKindOf(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".webp") return FileKind::WebP;
  if (extension == ".gif") return FileKind::Gif;
  if (extension == ".mp4") return FileKind::Mp4;
  if (extension == ".webm") return FileKind::WebM;
  if (extension == ".png") return FileKind::Png;
  return std::nullopt;
}

FileKind requireFileKind(const std::filesystem::path& file) {
  if (std::optional<FileKind> kind = fileKindOf(file)) return *kind;
  throw exportError("cannot tell what kind of file to write from the name %1: it must end in one of %2",
                    {file.string(), kKnownExtensions});
}

std::string cannotBeTransparent(const std::filesystem::path& file) {
  std::string kind = file.extension().string();
  if (!kind.empty()) kind.erase(0, 1);  // the dot
  std::transform(kind.begin(), kind.end(), kind.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return filledIn(userText("Export", "%1 cannot be transparent: the ground is written white"), {kind});
}

std::unique_ptr<FrameWriter> makeWriter(FileKind kind, const WriterSettings& settings,
                                        const std::filesystem::path& file) {
  switch (kind) {
    case FileKind::WebP:
      return std::make_unique<WebPWriter>(settings, file);
    case FileKind::Gif:
      return std::make_unique<GifWriter>(settings, file);
    case FileKind::Mp4:
    case FileKind::WebM:
      return std::make_unique<VideoWriter>(videoCodecFor(kind, settings.width, settings.height), settings, file);
    case FileKind::Png:
      break;
  }
  return std::make_unique<PngWriter>(file, settings.alpha);
}

}  // namespace sumimai
