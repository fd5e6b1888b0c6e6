#include "animation_export.h"

#include "drawing/drawing_pace.h"
#include "export_error.h"
#include "frame_canvas.h"
#include "output_file.h"
#include "still_picture.h"
#include "writing/counting_canvas.h"

namespace sumimai {
namespace {

// Tells of each frame as it passes to the file's writer.
class ReportingWriter : public FrameWriter {
 public:
  ReportingWriter(FrameWriter& writer, const std::function<void(std::int64_t)>& report)
      : writer_(writer), report_(report) {}
  void add(const Frame& frame) override {
    writer_.add(frame);
    if (report_) report_(frame.index);
  }
  void finish(std::int64_t frameCount) override { writer_.finish(frameCount); }
  bool readsRows() const override { return writer_.readsRows(); }
  void addChangesAhead(const PictureRows& rows, PixelRect rect) override { writer_.addChangesAhead(rows, rect); }

 private:
  FrameWriter& writer_;
  const std::function<void(std::int64_t)>& report_;
};

// The colours of a GIF: exact for ink over a plain ground, otherwise chosen
// from the finished picture.
GifPalette paletteFor(const ExportRequest& request) {
  if (request.ground.plain() && !request.page) {
    return GifPalette::inkOverGround(ringColour(request.style.ink), request.ground.colour);
  }
  return GifPalette::quantised(stillPicture(request));
}

}  // namespace

void useBrushOver(const BrushChoice& brush, const Ground& ground, const RgbImage& picture, RasterCanvas& canvas) {
  std::shared_ptr<const PaperGrain> grain;
  if (brush.kind == BrushKind::Ink && !ground.plain()) {
    grain = PaperGrain::ofPicture(picture.pixels.data(), picture.width, picture.height, picture.width, brush.seed);
  }
  useBrush(canvas, brush, std::move(grain));
}

void useRequestBrush(const ExportRequest& request, const RgbImage& ground, RasterCanvas& canvas) {
  useBrushOver(request.brush, request.ground, ground, canvas);
}

void drawRequest(const ExportRequest& request, CellCanvas& canvas) {
  const PictureSize size = request.composition.picture;
  if (request.page) return drawPage(*request.page, {0, 0, size.width, size.height}, canvas, request.style);
  drawComposition(request.composition, canvas, request.style);
}

ExportSummary exportWriting(const ExportRequest& request) {
  const FileKind kind = requireFileKind(request.output);
  if (request.ground.transparent && !holdsTransparency(kind)) {
    ExportRequest overColour = request;
    overColour.ground.transparent = false;
    return exportWriting(overColour);
  }
  const PictureSize size = request.composition.picture;
  if (needsEvenSize(kind) && (size.width % 2 || size.height % 2)) {
    throw exportError("a video needs an even width and height, not %1x%2",
                      {std::to_string(size.width), std::to_string(size.height)});
  }
  OutputFile output(request.output);  // first: a folder that cannot be written is told at once
  RgbImage ground = groundImage(request.ground, size.width, size.height);
  WriterSettings settings{size.width, size.height, request.fps, request.loop, request.quality, std::nullopt,
                          request.ground.transparent};
  if (kind == FileKind::Gif) settings.palette = paletteFor(request);
  ExportSummary summary;
  try {
    std::unique_ptr<FrameWriter> writer = makeWriter(kind, settings, output.temporary());
    ReportingWriter reporting(*writer, request.progress);
    FrameCanvas canvas(std::move(ground), request.fps, reporting);
    useRequestBrush(request, canvas.ground(), canvas);
    canvas.clock().setCallCost(kDrawingCallCost);
    drawRequest(request, canvas);
    summary.drawing = canvas.clock().charged();
    summary.frames = canvas.finish(request.hold);
  } catch (const ExportError& e) {
    throw ExportError(output.namingTarget(e.what()));
  }
  output.commit();
  return summary;
}

DrawingClock::Duration drawingTime(const ExportRequest& request) {
  CountingCanvas canvas;
  canvas.clock().setCallCost(kDrawingCallCost);
  drawRequest(request, canvas);
  return canvas.clock().charged();
}

std::int64_t countFrames(const ExportRequest& request) {
  return framesFor(drawingTime(request), request.hold, request.fps);
}

}  // namespace sumimai
