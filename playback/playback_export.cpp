#include "playback_export.h"

#include "export/export_error.h"
#include "export/gif_palette.h"
#include "export/output_file.h"
#include "export/writers.h"

namespace sumimai {
namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;

PixelRect unite(PixelRect a, PixelRect b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

PixelView viewOf(RgbImage& image) { return {image.pixels.data(), image.width, image.bounds()}; }

// Holds the playback's position and playing state while an export moves it.
class KeptPosition {
 public:
  explicit KeptPosition(Playback& p) : playback_(p), saved_(p) {}
  ~KeptPosition() { playback_ = saved_; }

 private:
  Playback& playback_;
  Playback saved_;
};

// Whether the file keeps the ground's transparency: a transparent ground
// written into a kind that cannot hold it goes over white.
bool dropsTransparency(const PlaybackExport& request, FileKind kind) {
  return !holdsTransparency(kind) && !opaque(request.ground);
}

}  // namespace

std::vector<std::string> exportNotes(const PlaybackExport& request) {
  const std::optional<FileKind> kind = fileKindOf(request.output);
  if (!kind || !dropsTransparency(request, *kind)) return {};
  return {cannotBeTransparent(request.output)};
}

RgbImage finishedPicture(WritingSession& session, const RgbImage& ground, LearningAids aids, Rgb groundColour) {
  session.timeAll();
  KeptPosition kept(session.playback());
  session.playback().end();
  CellComposer composer(session, aids, groundColour);
  RgbImage picture = ground;
  for (std::size_t i = 0; i < session.composition().characters.size(); ++i) {
    composer.compose(i, ground.pixels.data(), viewOf(picture));
  }
  return picture;
}

std::int64_t exportPlayback(WritingSession& session, const PlaybackExport& request) {
  const FileKind kind = requireFileKind(request.output);
  const bool flatten = dropsTransparency(request, kind);
  const RgbImage flattened = flatten ? flattenedOnto(request.ground, {255, 255, 255}) : RgbImage{};
  const RgbImage& ground = flatten ? flattened : request.ground;
  if (needsEvenSize(kind) && (ground.width % 2 || ground.height % 2)) {
    throw ExportError("a video needs an even width and height, not " + std::to_string(ground.width) + "x" +
                      std::to_string(ground.height));
  }
  OutputFile output(request.output);
  session.timeAll();
  WriterSettings settings{ground.width, ground.height, request.fps, request.loop, std::nullopt, std::nullopt,
                          !opaque(ground)};
  if (kind == FileKind::Gif) {
    settings.palette = GifPalette::quantised(finishedPicture(session, ground, request.aids, request.groundColour));
  }
  KeptPosition kept(session.playback());
  Playback& playback = session.playback();
  const std::int64_t frames = framesFor(playback.total(), request.hold, request.fps);
  CellComposer composer(session, request.aids, request.groundColour);
  const std::size_t count = session.composition().characters.size();
  std::vector<std::optional<CellLook>> shown(count);
  RgbImage picture = ground;
  {
    std::unique_ptr<FrameWriter> writer = makeWriter(kind, settings, output.temporary());
    for (std::int64_t k = 0; k < frames; ++k) {
      playback.scrub(DrawingClock::Duration(k * kNanosecondsPerSecond / request.fps));
      PixelRect changed = k == 0 ? picture.bounds() : PixelRect{};
      for (std::size_t i = 0; i < count; ++i) {
        const CellLook look = composer.lookOf(i);
        if (shown[i] == look) continue;
        composer.compose(i, ground.pixels.data(), viewOf(picture));
        shown[i] = look;
        changed = unite(changed, session.composition().characters[i].cell);
      }
      writer->add({picture, changed, k});
      if (request.progress) request.progress(k + 1, frames);
    }
    writer->finish(frames);
  }
  output.commit();
  return frames;
}

}  // namespace sumimai
