#include "writing_inks.h"

#include <algorithm>

namespace sumimai {

std::optional<DrawingClock::Duration> inkTimeOf(const CompositionTiming& timing, std::size_t index,
                                                DrawingClock::Duration position) {
  if (index >= timing.characters.size()) return std::nullopt;
  const CharacterTiming& c = timing.characters[index];
  if (c.strokes.empty() || position <= c.start) return std::nullopt;
  return std::min(position, c.end) - c.start;
}

WritingInks::WritingInks(const Composition& composition, DrawingStyle style, CellInkOptions options,
                         std::size_t budgetBytes)
    : composition_(composition), style_(style), options_(std::move(options)), budget_(budgetBytes) {}

CellInk& WritingInks::used(std::size_t index, const CharacterTiming& timing) {
  auto found = inks_.find(index);
  if (found == inks_.end()) {
    const PlacedCharacter& c = composition_.characters[index];
    found = inks_.emplace(index, CellInk(*c.strokes, c.cell, composition_.framing, style_, timing, options_)).first;
  }
  if (used_.empty() || used_.front() != index) {
    used_.remove(index);
    used_.push_front(index);
  }
  return found->second;
}

const InkLayer& WritingInks::at(std::size_t index, const CharacterTiming& timing, DrawingClock::Duration offset) {
  const InkLayer& ink = used(index, timing).at(offset);
  keepWithinBudget(index);
  return ink;
}

bool WritingInks::prepareFinished(std::size_t index, const CharacterTiming& timing,
                                  std::chrono::steady_clock::time_point deadline) {
  const bool ready = used(index, timing).prepareFinished(deadline);
  keepWithinBudget(index);
  return ready;
}

bool WritingInks::finishedReady(std::size_t index) const {
  const auto found = inks_.find(index);
  return found != inks_.end() && found->second.finishedReady();
}

void WritingInks::keepWithinBudget(std::size_t inUse) {
  while (heldBytes() > budget_ && used_.size() > 1 && used_.back() != inUse) {
    inks_.erase(used_.back());
    used_.pop_back();
  }
}

std::size_t WritingInks::heldBytes() const {
  std::size_t total = 0;
  for (const auto& [index, ink] : inks_) total += ink.heldBytes();
  return total;
}

}  // namespace sumimai
