#include "playback.h"

#include <algorithm>

namespace sumimai {
namespace {

using Duration = Playback::Duration;

// The start of every stroke, in order, then the end.
std::vector<Duration> strokeStarts(const CompositionTiming& timing) {
  std::vector<Duration> starts;
  for (const CharacterTiming& c : timing.characters) {
    for (const StrokeTiming& s : c.strokes) starts.push_back(s.start);
  }
  starts.push_back(timing.total);
  return starts;
}

}  // namespace

Playback::Playback(CompositionTiming timing) : timing_(std::move(timing)) {}

std::optional<WritingPlace> Playback::placeOf(Duration at) const {
  for (std::size_t i = 0; i < timing_.characters.size(); ++i) {
    const CharacterTiming& c = timing_.characters[i];
    if (c.strokes.empty() || at >= c.end) continue;
    if (at < c.start) return std::nullopt;
    int stroke = 0;
    while (stroke + 1 < static_cast<int>(c.strokes.size()) && at >= c.strokes[stroke + 1].start) ++stroke;
    return WritingPlace{i, stroke};
  }
  return std::nullopt;
}

void Playback::retime(CompositionTiming timing) {
  const std::optional<WritingPlace> was = place();
  const bool atEnd = finished() && timing_.total > Duration{0};
  double share = 0;
  if (was) {
    const StrokeTiming& s = timing_.characters[was->character].strokes[was->stroke];
    if (s.end > s.start) share = double((position_ - s.start).count()) / double((s.end - s.start).count());
  }
  timing_ = std::move(timing);
  if (atEnd) {
    position_ = timing_.total;
  } else if (was && was->character < timing_.characters.size() &&
             was->stroke < static_cast<int>(timing_.characters[was->character].strokes.size())) {
    const StrokeTiming& s = timing_.characters[was->character].strokes[was->stroke];
    position_ = s.start + Duration(static_cast<Duration::rep>(share * double((s.end - s.start).count())));
  }
  position_ = std::clamp(position_, Duration{0}, timing_.total);
}

void Playback::play() {
  if (finished()) position_ = Duration{0};
  held_ = Duration{0};
  playing_ = true;
}

void Playback::advance(Duration elapsed, Duration hold) {
  if (!playing_) return;
  if (!finished()) {
    position_ = std::min(position_ + elapsed, timing_.total);
    return;
  }
  if (!loop_) {
    playing_ = false;
    return;
  }
  held_ += elapsed;
  if (held_ >= hold) {
    held_ = Duration{0};
    position_ = Duration{0};
  }
}

void Playback::stepForward() {
  playing_ = false;
  const std::vector<Duration> starts = strokeStarts(timing_);
  position_ = *std::upper_bound(starts.begin(), starts.end() - 1, position_);
}

void Playback::stepBack() {
  playing_ = false;
  const std::vector<Duration> starts = strokeStarts(timing_);
  const auto after = std::lower_bound(starts.begin(), starts.end(), position_);
  position_ = after == starts.begin() ? Duration{0} : *(after - 1);
}

void Playback::home() {
  position_ = Duration{0};
  held_ = Duration{0};
  playing_ = true;
}

void Playback::end() { position_ = timing_.total; }

void Playback::scrub(Duration to) { position_ = std::clamp(to, Duration{0}, timing_.total); }

}  // namespace sumimai
