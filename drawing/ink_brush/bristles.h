// The hairs of the ink brush across its width. Each bristle carries its own
// share of the brush's ink and runs dry at its own threshold, so that as the
// load runs down some bristles stop laying solid ink before others: their
// lanes become the dry streaks that run along the stroke.
#pragma once

#include <array>
#include <cstdint>

namespace sumimai {

// The brush's width, -1 (its left as it moves) to 1 (its right), cut into
// lanes; each lane belongs to one bristle.
inline constexpr int kBrushLanes = 128;

struct Bristle {
  float supply = 1;       // this bristle's share of the load, about 1
  float threshold = 0.5;  // below this much ink it lays ink only where the paper stands high
};

class Bristles {
 public:
  // How readily a bristle touches the paper along its path: values 0..1 at
  // kBreakSteps points, a stretch apart, repeating.
  static constexpr int kBreakSteps = 32;
  using Breaks = std::array<float, kBreakSteps + 1>;  // the last repeats the first

  // The bristles of stroke number `stroke` of a brush seeded `seed`: the
  // same numbers give the same bristles.
  Bristles(std::uint64_t seed, std::uint64_t stroke);

  const Bristle& atLane(int lane) const { return bristles_[laneBristle_[static_cast<std::size_t>(lane)]]; }
  const Breaks& breaksAtLane(int lane) const { return breaks_[laneBristle_[static_cast<std::size_t>(lane)]]; }
  // The same, lane after lane: kBreakSteps + 1 values for each of the
  // kBrushLanes lanes, for the vector kernel to look up.
  const float* laneBreaks() const { return laneBreaks_.data(); }
  int count() const { return count_; }

 private:
  static constexpr int kMost = kBrushLanes;
  std::array<Bristle, kMost> bristles_{};
  std::array<Breaks, kMost> breaks_{};
  std::array<float, kBrushLanes*(kBreakSteps + 1)> laneBreaks_{};
  std::array<std::uint8_t, kBrushLanes> laneBristle_{};
  int count_ = 0;
};

// How the brush lays ink in each lane at one load: a pixel of the lane under
// a ring takes density x min(1, (touch - bare) / kGrainRamp) x the ring's
// own coverage, where touch 0..255 mixes the paper's grain (paper_grain.h)
// with the bristle's breaks along its path. A wet lane's bare lies far
// below 0; a dry one's is the level below which the paper stays bare.
struct LaneShades {
  static constexpr float kGrainRamp = 40;
  std::array<float, kBrushLanes> density{};
  std::array<float, kBrushLanes> bare{};
};

// The shades of the bristles at this load (1: fully loaded, towards 0: dry).
// Denser with more load; the outermost lanes a little darker, where ink
// gathers at a stroke's edge as it dries.
LaneShades shadesAt(const Bristles& bristles, double load);

}  // namespace sumimai
