#include "practice.h"

#include "core/user_language.h"

namespace sumimai::grading {
namespace {

std::optional<int> firstOf(const Progress& progress) {
  const std::vector<int> expected = progress.expected();
  if (expected.empty()) return std::nullopt;
  return expected.front();
}

}  // namespace

std::string reasonText(Problem problem) {
  constexpr char kContext[] = "Practice";
  switch (problem) {
    case Problem::None: return "";
    case Problem::Order: return userText(kContext, "書き順が違います");
    case Problem::Direction: return userText(kContext, "向きが逆です");
    case Problem::Position: return userText(kContext, "位置がずれています");
    case Problem::Shape: return userText(kContext, "形が違います");
    case Problem::Extra: return userText(kContext, "もう書き終わっています");
  }
  return "";
}

CharacterPractice::CharacterPractice(const ModelCharacter& model)
    : grader_(model), progress_(grader_.strokes()), next_(firstOf(progress_)) {}

CharacterPractice::Outcome CharacterPractice::write(const Path& stroke) {
  Outcome outcome;
  if (!next_) {
    outcome.judgement = {Problem::Extra, std::nullopt, std::nullopt};
    outcome.reason = reasonText(Problem::Extra);
    return outcome;
  }
  const int expected = *next_;
  StrokeJudgement judgement = grader_.judge(stroke, progress_);
  // Only the stroke expected next is right; another one in its place is a
  // mistake of order even where the batch judgement would take it.
  if (judgement.ok() && judgement.matched != expected) judgement = {Problem::Order, judgement.matched, judgement.matched};
  outcome.judgement = judgement;
  if (judgement.ok()) {
    outcome.kept = true;
    if (misses_ == 0) rightFirst_.push_back(expected);
  } else {
    outcome.reason = reasonText(judgement.problem);
    if (++misses_ < kMissesBeforeShown) return outcome;
    outcome.shownForLearner = expected;
  }
  progress_.take({Problem::None, expected, expected});
  misses_ = 0;
  next_ = firstOf(progress_);
  return outcome;
}

int CharacterPractice::score() const {
  const int strokes = grader_.strokes();
  return strokes > 0 ? (200 * static_cast<int>(rightFirst_.size()) + strokes) / (2 * strokes) : 0;
}

}  // namespace sumimai::grading
