#include "practice_ink.h"

#include <algorithm>

#include "drawing/raster/ink_only_canvas.h"
#include "renderer/window_canvas.h"
#include "writing/cell_drawing.h"

namespace sumimai {
namespace {

// The narrowest a learner's stroke gets, as a share of the model's widest.
constexpr double kNarrowestShare = 0.3;

PixelRect united(PixelRect a, PixelRect b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// The ink of a layer alone, premultiplied, transparent where there is none.
RgbImage inkAlone(const InkLayer& ink, PictureSize cell) {
  RgbImage out(cell.width, cell.height, 0);
  ink.compositeOnto(out.pixels.data(), out.width, out.bounds());
  return out;
}

void over(const RgbImage& top, std::uint32_t* pixels, std::ptrdiff_t stride, PixelRect rect) {
  rect = {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, top.width), std::min(rect.bottom, top.height)};
  for (int y = rect.top; y < rect.bottom; ++y) {
    const std::uint32_t* from = top.row(y);
    std::uint32_t* out = pixels + y * stride;
    for (int x = rect.left; x < rect.right; ++x) {
      const std::uint32_t s = from[x];
      const std::uint32_t a = s >> 24;
      if (a == 0) continue;
      if (a == 255) {
        out[x] = s;
        continue;
      }
      const std::uint32_t d = out[x], keep = 255 - a;
      auto channel = [&](int shift) {
        return ((s >> shift & 0xFF) + ((d >> shift & 0xFF) * keep + 127) / 255) << shift;
      };
      out[x] = channel(24) | channel(16) | channel(8) | channel(0);
    }
  }
}

}  // namespace

// The canvas a character or a stroke is drawn on, the cell's corner at its
// pixel (0, 0).
class PracticeInk::Canvas : public InkOnlyCanvas, public CellCanvas {
 public:
  using InkOnlyCanvas::InkOnlyCanvas;
  void place(SizeF canvas, PixelRect) override { setSize(canvas); }
};

PracticeInk::PracticeInk(const CharacterStrokes& strokes, PictureSize cell, double pixelsPerTwip, PracticeInkStyle style)
    : strokes_(&strokes), cell_(cell), pixelsPerTwip_(pixelsPerTwip), style_(style),
      framing_(framingOf(Framing::AsTheMainWindow, strokes)), fit_(strokes, cell, framing_, pixelsPerTwip),
      widths_{kNarrowestShare * fit_.widestRadius(), fit_.widestRadius()}, kept_(cell.width, cell.height, 0) {
  Canvas canvas({}, pixelsPerTwip_);
  drawCharacterInCell(strokes, {0, 0, cell.width, cell.height}, framing_, canvas,
                      {0, {double(style.ghost.red), double(style.ghost.green), double(style.ghost.blue)}});
  ghost_ = inkAlone(canvas.ink(), cell_);
}

PracticeInk::~PracticeInk() = default;

std::unique_ptr<PracticeInk::Canvas> PracticeInk::newCanvas() const {
  auto canvas = std::make_unique<Canvas>(canvasOfWindow(twipsOf(cell_)), pixelsPerTwip_);
  useBrush(*canvas, style_.brush);
  (void)canvas->ink();  // sized now, before the first ring
  return canvas;
}

void PracticeInk::widen(PixelRect rect) { dirty_ = united(dirty_, rect); }

PixelRect PracticeInk::takeDirty() {
  if (current_) widen(current_->ink().takeDirty());
  const PixelRect dirty = dirty_;
  dirty_ = {};
  return dirty;
}

void PracticeInk::penDown(const PenSample& sample) {
  current_ = newCanvas();
  stroke_ = std::make_unique<LearnerStroke>(*current_, widths_, std::min(cell_.width, cell_.height), pixelsPerTwip_,
                                            style_.ink);
  samples_.clear();
  penMove(sample);
}

void PracticeInk::penMove(const PenSample& sample) {
  if (!stroke_) return;
  stroke_->add(sample);
  samples_.push_back(sample);
}

std::vector<PointF> PracticeInk::penUp() {
  std::vector<PointF> path;
  if (!stroke_) return path;
  for (PointF at : stroke_->path()) path.push_back(fit_.toSource(at));
  stroke_.reset();
  return path;
}

PenSample PracticeInk::inSource(const PenSample& sample) const {
  return {fit_.toSource(sample.at), sample.ms, sample.pressure};
}

void PracticeInk::keepInk(Canvas& canvas) {
  canvas.settleInk();
  const PixelRect all{0, 0, cell_.width, cell_.height};
  canvas.ink().compositeOnto(kept_.pixels.data(), kept_.width, all);
  widen(all);
}

void PracticeInk::keep() {
  if (!current_) return;
  std::vector<PenSample> source;
  for (const PenSample& s : samples_) source.push_back(inSource(s));
  history_.emplace_back(Written{std::move(source)});
  keepInk(*current_);
  current_.reset();
}

RgbImage PracticeInk::refuse() {
  if (!current_) return {};
  current_->settleInk();
  RgbImage alone = inkAlone(current_->ink(), cell_);
  current_.reset();
  widen({0, 0, cell_.width, cell_.height});
  return alone;
}

void PracticeInk::writeModelStroke(int stroke) {
  std::unique_ptr<Canvas> canvas = newCanvas();
  drawCharacterInCell(*strokes_, {0, 0, cell_.width, cell_.height}, framing_, *canvas,
                      {0, {double(style_.ink.red), double(style_.ink.green), double(style_.ink.blue)}},
                      StrokeSelection::only(stroke + 1));
  keepInk(*canvas);
  history_.emplace_back(stroke);
}

void PracticeInk::compositeOnto(std::uint32_t* pixels, std::ptrdiff_t stride, PixelRect rect, bool ghost) const {
  if (ghost) over(ghost_, pixels, stride, rect);
  over(kept_, pixels, stride, rect);
  if (current_) current_->ink().compositeOnto(pixels, stride, rect);
}

std::unique_ptr<PracticeInk> PracticeInk::redrawnAt(PictureSize cell, double pixelsPerTwip,
                                                    PracticeInkStyle style) const {
  auto again = std::make_unique<PracticeInk>(*strokes_, cell, pixelsPerTwip, style);
  for (const Kept& k : history_) {
    if (const int* model = std::get_if<int>(&k)) {
      again->writeModelStroke(*model);
      continue;
    }
    const std::vector<PenSample>& samples = std::get<Written>(k).samples;
    for (std::size_t i = 0; i < samples.size(); ++i) {
      const PenSample here{again->fit_.toPixel(samples[i].at), samples[i].ms, samples[i].pressure};
      if (i == 0) again->penDown(here);
      else again->penMove(here);
    }
    (void)again->penUp();
    again->keep();
  }
  return again;
}

}  // namespace sumimai
