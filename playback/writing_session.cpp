#include "writing_session.h"

#include <algorithm>

namespace sumimai {
namespace {

// Enough time in each frame to time several characters ahead of the brush.
constexpr auto kTimingBudget = std::chrono::milliseconds(3);

}  // namespace

WritingSession::WritingSession(Composition composition, DrawingStyle style, CellInkOptions options)
    : composition_(std::move(composition)) {
  restyle(style, std::move(options));
  playback_.scrub(Duration{0});
  playback_.play();
}

void WritingSession::restyle(DrawingStyle style, CellInkOptions options) {
  style_ = style;
  options_ = std::move(options);
  timing_ = std::make_unique<ProgressiveTiming>(composition_, style_, options_.callCost);
  (void)timing_->timeMore(kTimingBudget);
  playback_.retime(timing_->timing());
  inks_ = std::make_unique<WritingInks>(composition_, style_, options_);
}

void WritingSession::advance(Duration elapsed) {
  if (!timing_->complete()) {
    (void)timing_->timeMore(kTimingBudget);
    playback_.retime(timing_->timing());
  }
  playback_.advance(elapsed, std::chrono::milliseconds(1500));
}

void WritingSession::timeAll() {
  if (timing_->complete()) return;
  timing_->timeAll();
  playback_.retime(timing_->timing());
}

std::optional<WritingSession::Duration> WritingSession::inkTime(std::size_t index) const {
  return inkTimeOf(playback_.timing(), index, playback_.position());
}

const InkLayer& WritingSession::ink(std::size_t index, Duration offset) {
  return inks_->at(index, playback_.timing().characters[index], offset);
}

const InkLayer& WritingSession::finishedInk(std::size_t index) {
  const CharacterTiming& t = playback_.timing().characters[index];
  return inks_->at(index, t, t.end - t.start);
}

void WritingSession::prepareAhead(std::chrono::steady_clock::time_point deadline) {
  const std::vector<CharacterTiming>& characters = playback_.timing().characters;
  const std::optional<WritingPlace> place = playback_.place();
  const std::size_t count = characters.size();
  const std::size_t first = place ? place->character : 0;
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t i = (first + k) % count;
    if (characters[i].strokes.empty() || inks_->finishedReady(i)) continue;
    // At least a slice of a character each time, however late.
    if (!inks_->roomToPrepare() || !inks_->prepareFinished(i, characters[i], deadline)) return;
    if (std::chrono::steady_clock::now() >= deadline) return;
  }
}

std::vector<std::string> WritingSession::unwritten() const {
  std::vector<std::string> names;
  for (const PlacedCharacter& c : composition_.characters) {
    if (c.state != CharacterState::Missing && c.state != CharacterState::Damaged) continue;
    if (std::find(names.begin(), names.end(), c.text) == names.end()) names.push_back(c.text);
  }
  return names;
}

}  // namespace sumimai
