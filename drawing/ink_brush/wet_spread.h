// Wet ink where the brush dwelt (a stroke's start, a turn, a stop, a slow
// stretch): the ink there pools a little darker and soaks a soft fringe
// into the paper around the brush, which grows over a fraction of a second
// and then stays. The fringe stays below half coverage, so it softens the
// edge without widening the stroke.
#pragma once

#include <cstdint>
#include <vector>

#include "brush_track.h"
#include "drawing/raster/ink_layer.h"
#include "paper_grain.h"

namespace sumimai {

// Where the ink's pixel (0, 0) lies on the paper.
struct PaperPlace {
  const PaperGrain* grain = nullptr;
  int originX = 0, originY = 0;
};

class WetSpread {
 public:
  // A fringe is laid in this many growing stages, the last this many calls
  // after the brush dwelt (about 0.15 s at the pace of writing a character).
  static constexpr int kStages = 3;
  static constexpr std::uint64_t kSettleCalls = 9000;

  void add(const Dwell& dwell, std::uint64_t now);
  // Lays the stages due by call `now`.
  void advance(InkLayer& ink, const PaperPlace& paper, std::uint64_t now);
  // Lays every stage still due and forgets the spots.
  void settle(InkLayer& ink, const PaperPlace& paper);
  bool settled() const { return spots_.empty(); }

 private:
  struct Spot {
    Dwell dwell;
    std::uint64_t born = 0;
    int stagesLaid = 0;
  };
  static void lay(InkLayer& ink, const PaperPlace& paper, const Dwell& dwell, float grown);
  std::vector<Spot> spots_;
};

}  // namespace sumimai
