// One character practised stroke by stroke, as the practice in the windows
// runs it: each stroke the learner writes is judged against the stroke
// expected next; a right one stays, a wrong one is refused with its reason
// and may be written again; after three misses on a stroke it is written
// for the learner and the practice goes on. At the end: the strokes right at
// the first try, and a score out of 100.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "grader.h"

namespace sumimai::grading {

// Misses on one stroke before it is written for the learner.
inline constexpr int kMissesBeforeShown = 3;

// The reason shown for a refused stroke, in the user's language (written in
// Japanese; "" for none).
std::string reasonText(Problem problem);

class CharacterPractice {
 public:
  explicit CharacterPractice(const ModelCharacter& model);

  struct Outcome {
    StrokeJudgement judgement;
    bool kept = false;                  // a right stroke: it stays
    std::optional<int> shownForLearner; // the stroke written for the learner after the last miss
    std::string reason;                 // why it was refused, for the learner
  };
  // Judges one stroke of the learner (points in the source box). After the
  // last stroke every further one is refused as extra.
  Outcome write(const Path& stroke);

  bool finished() const { return !next_; }
  // The model stroke expected next (from 0), nothing when finished.
  std::optional<int> next() const { return next_; }
  // The strokes written right at the first try (from 0), in order.
  const std::vector<int>& rightFirstTime() const { return rightFirst_; }
  // The share of strokes right at the first try, out of 100.
  int score() const;

 private:
  Grader grader_;
  Progress progress_;
  std::optional<int> next_;
  int misses_ = 0;  // on the stroke expected next
  std::vector<int> rightFirst_;
};

}  // namespace sumimai::grading
