// The judgement of a learner's strokes against a model character. Each
// learner stroke is compared as a whole path with the model's strokes:
// both resampled evenly by arc length, then matched point to point by
// dynamic time warping, once with the stroke's own centre on the model
// stroke's (its shape) and once as it lies (its place); which way round it
// was written, the headings from its first points to its last say. Distances are
// fractions of the character's size, so a character is judged the same at
// any size in the box. Very short model strokes (dots) are judged by their
// place and the way they point instead, with tolerances of their own.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "model_character.h"
#include "path_geometry.h"

namespace sumimai::grading {

// Points each stroke is resampled to.
inline constexpr int kSamples = 32;
// The character's size: the larger side of the box around all its model
// strokes, at least this share of the source box (so that a small mark
// such as 、 is not judged with tolerances too fine to meet).
inline constexpr double kSmallestSize = 0.3 * 1024;
// A stroke has the model stroke's shape when their mean warped distance,
// centre on centre, is at most this share of the size.
inline constexpr double kShapeTolerance = 0.075;
// ... and stands in its place when their mean warped distance as they lie
// is at most this share of the size.
inline constexpr double kPlaceTolerance = 0.11;
// A model stroke shorter than this share of the size is a dot.
inline constexpr double kDotLength = 0.15;
// A learner's stroke is taken for a dot when it is at most this many times
// the dot's length, or at most kDotLength * this share of the size.
inline constexpr double kDotStretch = 2.5;
// A dot stands in its place when its centre is at most this share of the
// size from the model dot's.
inline constexpr double kDotPlaceTolerance = 0.09;
// A dot points the model's way when the angle between them is at most this
// many degrees, the other way when it is at least 180 minus this.
inline constexpr double kDotAngleTolerance = 60;

enum class Problem { None, Order, Direction, Position, Shape, Extra };

// The name of a problem as the judgement gives it ("order", ...); "" for none.
std::string_view problemName(Problem problem);

struct StrokeJudgement {
  Problem problem = Problem::None;
  std::optional<int> matched;    // the model stroke it was taken for, from 0
  std::optional<int> attempted;  // the one it stands for in the writing: the match, or the stroke expected
                                 // when it is like none
  bool ok() const { return problem == Problem::None; }
  bool operator==(const StrokeJudgement&) const = default;
};

// Which model strokes are written, and which are in order next: the first
// not yet written (the one the learner still owes), and the first not
// written after the one written last (so that a stroke left out costs one
// mistake, not one for every stroke after it).
class Progress {
 public:
  explicit Progress(int modelStrokes) : written_(static_cast<std::size_t>(modelStrokes), false) {}
  // The strokes in order next, the owed one first; none when all are written.
  std::vector<int> expected() const;
  bool written(int stroke) const { return written_[static_cast<std::size_t>(stroke)]; }
  // The judged stroke counts as written when it stands for a model stroke,
  // whatever its problem.
  void take(const StrokeJudgement& judgement);

 private:
  std::vector<bool> written_;
  int last_ = -1;
};

// The model with its strokes prepared for comparing; judging a stroke then
// costs a few warped distances per model stroke.
class Grader {
 public:
  explicit Grader(const ModelCharacter& model);
  int strokes() const { return static_cast<int>(model_.size()); }
  double size() const { return size_; }

  // The judgement of one learner stroke (points in the source box), the
  // strokes before it having made `progress`. `moreThanTheModel` says that
  // the learner writes more strokes than the character has, so that a
  // stroke like none still to write is an extra one rather than a wrong one.
  StrokeJudgement judge(const Path& stroke, const Progress& progress, bool moreThanTheModel = false) const;

  struct Prepared {
    Path points;  // resampled
    Point centre;
    Point heading;  // from the mean of the first points to that of the last
    double length = 0;
    bool dot = false;
  };

 private:
  enum class Fit { None, InPlace, Backwards, Moved };
  struct Comparison {
    Fit fit = Fit::None;
    double cost = 0;  // the smaller, the closer
  };
  Comparison compare(const Prepared& learner, const Prepared& model) const;
  Comparison compareDot(const Prepared& learner, const Prepared& model) const;
  Comparison compare(const Prepared& learner, int model) const {
    return compare(learner, model_[static_cast<std::size_t>(model)]);
  }
  // The model stroke, written or not as asked and not among `skip`, that the
  // stroke fits best where it stands (either way round).
  std::optional<int> closest(const Prepared& learner, const Progress& progress, bool written,
                             const std::vector<int>& skip) const;

  std::vector<Prepared> model_;
  double size_ = kSmallestSize;
};

// A whole character judged.
struct Grading {
  std::vector<StrokeJudgement> strokes;  // one per learner stroke, in order
  std::vector<int> missing;  // model strokes not written (from 0), when fewer strokes were written
  int score = 0;             // 0..100
};

// The learner's strokes judged in order. The score is the share of right
// strokes among the model's strokes and the extra ones written, out of 100.
Grading grade(const ModelCharacter& model, const std::vector<Path>& strokes);

}  // namespace sumimai::grading
