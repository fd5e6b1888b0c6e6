#include "animation_export.h"

#include "drawing/drawing_pace.h"
#include "export_error.h"
#include "frame_canvas.h"
#include "output_file.h"

namespace sumimai {
namespace {

// Charges every call and draws nothing: how long a writing takes.
class CountingCanvas : public CellCanvas {
 public:
  SizeF outerSize() const override { return size_; }
  void setSize(SizeF size) override { size_ = size; }
  void drawRing(const Ring&) override { clock().charge(); }
  void drawLine(PointF, PointF, Rgb) override { clock().charge(); }
  void drawRectangle(PointF, PointF, Rgb) override { clock().charge(); }
  void fillRectangle(PointF, PointF, Rgb) override { clock().charge(); }
  void clear() override {}
  void place(SizeF canvas, PixelRect) override { size_ = canvas; }

 private:
  SizeF size_;
};

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

 private:
  FrameWriter& writer_;
  const std::function<void(std::int64_t)>& report_;
};

class DiscardingWriter : public FrameWriter {
 public:
  void add(const Frame&) override {}
  void finish(std::int64_t) override {}
};

// The colours of a GIF: exact for ink over a plain ground, otherwise chosen
// from the finished picture, drawn once without frames.
GifPalette paletteFor(const ExportRequest& request, const RgbImage& ground) {
  if (request.ground.plain() && !request.writing.page) {
    return GifPalette::inkOverGround(ringColour(request.style.ink), request.ground.colour);
  }
  DiscardingWriter none;
  FrameCanvas canvas(ground, 1, none);
  canvas.clock().setCallCost(kDrawingCallCost);
  drawWriting(request.writing, request.layout.cells, canvas, request.style);
  canvas.finish({});
  return GifPalette::quantised(canvas.picture());
}

}  // namespace

ExportSummary exportWriting(const ExportRequest& request) {
  const FileKind kind = requireFileKind(request.output);
  const PictureSize size = request.layout.picture;
  if (needsEvenSize(kind) && (size.width % 2 || size.height % 2)) {
    throw ExportError("a video needs an even width and height, not " + std::to_string(size.width) + "x" +
                      std::to_string(size.height));
  }
  OutputFile output(request.output);  // first: a folder that cannot be written is told at once
  RgbImage ground = groundImage(request.ground, size.width, size.height);
  WriterSettings settings{size.width, size.height, request.fps, request.loop, request.quality, std::nullopt};
  if (kind == FileKind::Gif) settings.palette = paletteFor(request, ground);
  ExportSummary summary;
  {
    std::unique_ptr<FrameWriter> writer = makeWriter(kind, settings, output.temporary());
    ReportingWriter reporting(*writer, request.progress);
    FrameCanvas canvas(std::move(ground), request.fps, reporting);
    canvas.clock().setCallCost(kDrawingCallCost);
    drawWriting(request.writing, request.layout.cells, canvas, request.style);
    summary.drawing = canvas.clock().charged();
    summary.frames = canvas.finish(request.hold);
  }
  output.commit();
  return summary;
}

std::int64_t countFrames(const ExportRequest& request) {
  CountingCanvas canvas;
  canvas.clock().setCallCost(kDrawingCallCost);
  drawWriting(request.writing, request.layout.cells, canvas, request.style);
  return framesFor(canvas.clock().charged(), request.hold, request.fps);
}

}  // namespace sumimai
