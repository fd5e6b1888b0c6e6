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
    : bounds_(ground.bounds()), composesRows_(writer.readsRows()), picture_(std::move(ground)), window_(bounds_),
      changed_(bounds_), fps_(fps), writer_(writer) {
  const bool plain = !picture_.pixels.empty() && oneColour(picture_, bounds_);
  if (plain) plainGround_ = picture_.pixels[0];
  if (composesRows_) {
    if (!plain) ground_ = std::move(picture_);
    picture_ = {};
  } else if (!plain) {
    ground_ = picture_;
  }
}

// The picture as the frames show it so far: the ground with the window's ink.
void FrameCanvas::keepPicture() {
  composesRows_ = false;
  picture_ = ground_.pixels.empty() ? RgbImage(bounds_.right, bounds_.bottom, plainGround_) : ground_;
  inkOver(ink(), inkArea({0, 0, ink().width(), ink().height()}, window_, picture_), window_, picture_);
}

const std::uint32_t* FrameCanvas::row(int y, int left, int right, std::uint32_t* scratch) const {
  if (!composesRows_) return picture_.row(y) + left;
  if (ground_.pixels.empty()) std::fill(scratch, scratch + (right - left), plainGround_);
  else std::copy(ground_.row(y) + left, ground_.row(y) + right, scratch);
  const int from = std::max(left, window_.left), to = std::min(right, window_.right);
  if (y >= window_.top && y < window_.bottom && from < to) {
    shownInk_->compositeRow(y - window_.top, from - window_.left, to - window_.left, scratch + (from - left));
  }
  return scratch;
}

void FrameCanvas::restoreGround(PixelRect area) {
  if (!ground_.pixels.empty()) return copyRect(ground_, picture_, area);
  for (int y = area.top; y < area.bottom; ++y) std::fill(picture_.row(y) + area.left, picture_.row(y) + area.right, plainGround_);
}

void FrameCanvas::place(SizeF canvas, PixelRect window) {
  settleInk();
  composeChanges();
  if (composesRows_ && placed_) keepPicture();  // the earlier window's ink stays in the picture
  placed_ = true;
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
  if (!composesRows_) {
    const PixelRect area = inkArea(dirty, window_, picture_);
    restoreGround(area);
    inkOver(ink(), area, window_, picture_);
  }
  const PixelRect shown = raster::intersect(moved(dirty, window_.left, window_.top), window_);
  changed_ = raster::unite(changed_, shown);
}

void FrameCanvas::emitFrame() {
  composeChanges();
  shownInk_ = &ink();
  writer_.add({picture_, changed_, next_, this});
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
