#include "frame_canvas.h"

#include <algorithm>

#include "compositing.h"
#include "drawing/raster/pixel_arithmetic.h"

namespace sumimai {
namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;

PixelRect moved(PixelRect r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

}  // namespace

FrameCanvas::FrameCanvas(RgbImage ground, int fps, FrameWriter& writer)
    : picture_(std::move(ground)), window_(picture_.bounds()), changed_(picture_.bounds()), fps_(fps),
      writer_(writer) {
  if (picture_.pixels.empty() || !oneColour(picture_, picture_.bounds())) ground_ = picture_;
  else plainGround_ = picture_.pixels[0];
}

void FrameCanvas::restoreGround(PixelRect area) {
  if (!ground_.pixels.empty()) return copyRect(ground_, picture_, area);
  for (int y = area.top; y < area.bottom; ++y) std::fill(picture_.row(y) + area.left, picture_.row(y) + area.right, plainGround_);
}

void FrameCanvas::place(SizeF canvas, PixelRect window) {
  settleInk();
  composeChanges();
  setSize(canvas);
  window_ = window;
  ink().setDrawableArea({0, 0, window.right - window.left, window.bottom - window.top});
  ink().clear();
  if (RingPainter* painter = ringPainter()) painter->setPaperOrigin(window.left, window.top);
  emitDueFrames();
}

void FrameCanvas::composeChanges() {
  const PixelRect dirty = ink().takeDirty();
  if (dirty.empty()) return;
  const PixelRect area = inkArea(dirty, window_, picture_);
  restoreGround(area);
  inkOver(ink(), area, window_, picture_);
  const PixelRect shown = raster::intersect(moved(dirty, window_.left, window_.top), window_);
  changed_ = raster::unite(changed_, shown);
}

void FrameCanvas::emitFrame() {
  composeChanges();
  writer_.add({picture_, changed_, next_});
  changed_ = {};
  ++next_;
}

void FrameCanvas::emitDueFrames() {
  const std::int64_t charged = clock().charged().count();
  while (next_ * kNanosecondsPerSecond <= charged * fps_) emitFrame();
}

std::int64_t FrameCanvas::finish(DrawingClock::Duration hold) {
  emitDueFrames();
  settleInk();
  composeChanges();
  std::int64_t count = framesFor(clock().charged(), hold, fps_);
  if (!changed_.empty()) count = std::max(count, next_ + 1);
  while (next_ < count) emitFrame();
  writer_.finish(count);
  return count;
}

}  // namespace sumimai
