#include "frame_canvas.h"

#include <algorithm>
#include <stdexcept>

#include "compositing.h"
#include "drawing/raster/pixel_arithmetic.h"

namespace sumimai {
namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;

PixelRect moved(PixelRect r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

bool meet(PixelRect a, PixelRect b) { return !raster::intersect(a, b).empty(); }

// The outermost pixels of r: its top and bottom rows, and its left and
// right columns between them.
std::vector<PixelRect> ring(PixelRect r) {
  return {{r.left, r.top, r.right, r.top + 1},
          {r.left, r.bottom - 1, r.right, r.bottom},
          {r.left, r.top + 1, r.left + 1, r.bottom - 1},
          {r.right - 1, r.top + 1, r.right, r.bottom - 1}};
}

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
  for (const Edge& edge : edges_) {
    const int from = std::max(left, edge.rect.left), to = std::min(right, edge.rect.right);
    if (y < edge.rect.top || y >= edge.rect.bottom || from >= to) continue;
    const std::uint32_t* kept = edge.pixels.row(y - edge.rect.top) - edge.rect.left;
    std::copy(kept + from, kept + to, scratch + (from - left));
  }
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
  if (composesRows_ && placed_) leaveWindow(window);
  placed_ = true;
  setSize(canvas);
  window_ = window;
  ink().setDrawableArea({0, 0, window.right - window.left, window.bottom - window.top});
  ink().clear();
  if (RingPainter* painter = ringPainter()) painter->setPaperOrigin(window.left, window.top);
  emitDueFrames();
}

// Before the ink is cleared for the window `next`: lets the ink go when
// `next` lies apart from every window so far, or keeps the picture.
void FrameCanvas::leaveWindow(PixelRect next) {
  const bool apart = !meet(window_, next) &&
                     std::none_of(earlierWindows_.begin(), earlierWindows_.end(), [next](PixelRect w) { return meet(w, next); });
  if (!apart && earlierWindows_.empty()) return keepPicture();
  if (!apart) throw std::logic_error("a window over one whose ink the writer alone holds");
  shownInk_ = &ink();
  if (!changed_.empty()) writer_.addChangesAhead(*this, changed_);
  changed_ = {};
  keepEdges();
  earlierWindows_.push_back(window_);
  windowInk_ = {};
}

// A window's neighbour may read one pixel into it: the ink there stays.
void FrameCanvas::keepEdges() {
  for (const PixelRect side : ring(window_)) {
    const PixelRect inked = raster::intersect(side, windowInk_);
    if (inked.empty()) continue;
    Edge edge{inked, RgbImage(inked.width(), inked.height())};
    for (int y = inked.top; y < inked.bottom; ++y) {
      std::uint32_t* to = edge.pixels.row(y - inked.top);
      const std::uint32_t* from = row(y, inked.left, inked.right, to);
      std::copy(from, from + inked.width(), to);
    }
    edges_.push_back(std::move(edge));
  }
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
  windowInk_ = raster::unite(windowInk_, shown);
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
