// The kinds of file an export writes, chosen by the name's extension, and
// the writer of each.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "frame_writer.h"
#include "gif_palette.h"

namespace sumimai {

enum class FileKind { WebP, Gif, Mp4, WebM, Png };

// The kind of file the extension names (any letter case), or nothing.
std::optional<FileKind> fileKindOf(const std::filesystem::path& file);
inline constexpr char kKnownExtensions[] = ".webp, .gif, .mp4, .webm, .png";
// The same, or ExportError naming the file and the extensions known.
FileKind requireFileKind(const std::filesystem::path& file);

// Whether the kind needs even widths and heights (the video formats' 4:2:0
// colour planes).
inline bool needsEvenSize(FileKind kind) { return kind == FileKind::Mp4 || kind == FileKind::WebM; }

// Whether the kind's files hold each pixel's transparency (PNG and WebP;
// a GIF's one transparent colour and the videos cannot).
inline bool holdsTransparency(FileKind kind) { return kind == FileKind::WebP || kind == FileKind::Png; }

// The note for a transparent ground written into a file that cannot hold
// it, in the user's language: "GIF cannot be transparent: ...".
std::string cannotBeTransparent(const std::filesystem::path& file);

struct WriterSettings {
  int width = 0, height = 0;
  int fps = 30;
  bool loop = true;               // WebP and GIF: play again from the start
  std::optional<int> quality;     // WebP: lossy at this quality 0..100 instead of lossless
  std::optional<GifPalette> palette;  // GIF: the colours (required for GIF)
  bool alpha = false;             // WebP and PNG: keep the pixels' transparency
};

// A writer of the kind into file (which must exist and be writable). Throws
// ExportError when the file cannot be opened or the encoder set up.
std::unique_ptr<FrameWriter> makeWriter(FileKind kind, const WriterSettings& settings,
                                        const std::filesystem::path& file);

}  // namespace sumimai
