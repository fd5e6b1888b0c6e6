// 「墨」, the ink brush: the round brush's rings shaded as a hairy brush
// laying sumi ink on absorbent paper. The canvas hands it every ring the
// round brush would draw; it lays ink over the same pixels each ring covers,
// shaded by the bristle the pixel lies under (lanes across the direction of
// travel, so dry streaks run along the stroke), the brush's load (full at a
// stroke's start, running down with the length written and the pace), the
// paper's grain (which decides where a dry bristle still leaves ink) and a
// darker rim at the stroke's edges; where the brush dwelt, wet ink spreads
// (wet_spread.h). Everything follows from the rings, the seed and the
// paper: the same drawing gives the same pixels, call for call.
#pragma once

#include <cstdint>
#include <memory>

#include "bristles.h"
#include "brush_track.h"
#include "drawing/raster/ring_painter.h"
#include "paper_grain.h"
#include "wet_spread.h"

namespace sumimai {

class InkBrush : public RingPainter {
 public:
  // grain: the paper's (null: seeded grain from seed).
  InkBrush(std::uint64_t seed, std::shared_ptr<const PaperGrain> grain);

  void ring(InkLayer& ink, const InkRing& ring) override;
  void otherCall(InkLayer& ink) override;
  void settle(InkLayer& ink) override;
  void setPaperOrigin(int x, int y) override;
  std::unique_ptr<RingPainter> clone() const override { return std::make_unique<InkBrush>(*this); }

  const BrushTrack& track() const { return track_; }

 private:
  void take(const TrackEvents& events);
  void shadeRing(InkLayer& ink, const InkRing& ring);
  PaperPlace paper() const { return {grain_.get(), originX_, originY_}; }

  std::uint64_t seed_;
  std::shared_ptr<const PaperGrain> grain_;
  int originX_ = 0, originY_ = 0;
  BrushTrack track_;
  Bristles bristles_;
  LaneShades shades_;
  double shadedLoad_ = -1;  // the load shades_ was made for
  WetSpread wet_;
  std::uint64_t calls_ = 0;
};

}  // namespace sumimai
