// The ink of every cell of a composition at a position of its playback:
// one CellInk per character, made when first asked for and let go, the
// longest unused first, when the ink held passes a budget.
#pragma once

#include <cstddef>
#include <list>
#include <map>
#include <optional>

#include "cell_ink.h"

namespace sumimai {

// How far into its drawing character `index` stands at `position`: none
// while nothing of it is drawn (or it has no strokes), its duration once
// finished.
std::optional<DrawingClock::Duration> inkTimeOf(const CompositionTiming& timing, std::size_t index,
                                                DrawingClock::Duration position);

class WritingInks {
 public:
  WritingInks(const Composition& composition, DrawingStyle style, CellInkOptions options = {},
              std::size_t budgetBytes = 160u << 20);

  // The character's ink `offset` into its drawing; timing is the
  // character's (from the playback's timing).
  const InkLayer& at(std::size_t index, const CharacterTiming& timing, DrawingClock::Duration offset);
  // Its finished ink, drawn ahead until the deadline; true once it is there.
  bool prepareFinished(std::size_t index, const CharacterTiming& timing, std::chrono::steady_clock::time_point deadline);
  bool finishedReady(std::size_t index) const;

  // Whether drawing ahead would still leave room within the budget.
  bool roomToPrepare() const { return heldBytes() < budget_ / 4 * 3; }

  std::size_t heldBytes() const;

 private:
  CellInk& used(std::size_t index, const CharacterTiming& timing);
  void keepWithinBudget(std::size_t inUse);

  const Composition& composition_;
  DrawingStyle style_;
  CellInkOptions options_;
  std::size_t budget_;
  std::map<std::size_t, CellInk> inks_;
  std::list<std::size_t> used_;  // most recently used first
};

}  // namespace sumimai
