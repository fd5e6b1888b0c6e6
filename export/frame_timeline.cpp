#include "frame_timeline.h"

#include <algorithm>

#include "drawing/raster/pixel_arithmetic.h"

namespace sumimai {

FrameTimeline::FrameTimeline(int fps, TimelineUnits units, Prepare prepare, Store store)
    : fps_(fps), units_(units), prepare_(std::move(prepare)), store_(std::move(store)) {}

void FrameTimeline::add(const Frame& frame) {
  if (frame.changed.empty()) return;
  std::int64_t start = frameStart(frame.index, fps_, units_.perSecond);
  PixelRect rect = frame.changed;
  if (units_.evenOffsets) rect.left &= ~1, rect.top &= ~1;
  if (pending_ && start - pending_->start < units_.shortest) {
    // Too soon after the pending frame: it shows this frame's picture instead.
    rect = raster::unite(pending_->rect, rect);
    start = pending_->start;
  } else if (pending_) {
    pending_->end = start;
    store_(*pending_);
  }
  pending_.reset();  // what it held is not needed while the next part is prepared
  pending_ = TimedFrame{rect, prepare_(frame.picture, rect), start, start};
}

void FrameTimeline::finish(std::int64_t frameCount) {
  if (!pending_) return;
  pending_->end = std::max(frameStart(frameCount, fps_, units_.perSecond), pending_->start + units_.shortest);
  store_(*pending_);
  pending_.reset();
}

}  // namespace sumimai
