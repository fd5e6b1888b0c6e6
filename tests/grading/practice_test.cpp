// A character practised stroke by stroke: right strokes stay, wrong ones
// are refused with their reason in Japanese and may be written again, the
// third miss has the stroke written for the learner, and the score counts
// the strokes right at the first try.
#include <gtest/gtest.h>

#include "grading/practice.h"
#include "learner_traces.h"

namespace sumimai::testing {
namespace {

using grading::CharacterPractice;

TEST(Practice, KeepsRightStrokesAndScoresTheFirstTries) {
  const ModelCharacter model = shippedModel("三");
  TraceMaker maker(5);
  const std::vector<Path> strokes = maker.careful(model);
  CharacterPractice practice(model);
  // The last stroke first: refused, and the first is still expected.
  const CharacterPractice::Outcome early = practice.write(strokes[2]);
  EXPECT_FALSE(early.kept);
  EXPECT_EQ(early.reason, "書き順が違います");
  EXPECT_EQ(practice.next(), 0);
  for (int i = 0; i < 3; ++i) {
    const CharacterPractice::Outcome o = practice.write(strokes[static_cast<std::size_t>(i)]);
    EXPECT_TRUE(o.kept) << i;
    EXPECT_EQ(o.reason, "");
  }
  EXPECT_TRUE(practice.finished());
  EXPECT_EQ(practice.rightFirstTime(), (std::vector<int>{1, 2}));
  EXPECT_EQ(practice.score(), 67);
  EXPECT_EQ(practice.write(strokes[0]).judgement.problem, grading::Problem::Extra);
}

TEST(Practice, NamesEachMistakeAndShowsTheStrokeAfterTheThirdMiss) {
  const ModelCharacter model = shippedModel("人");
  TraceMaker maker(9);
  const std::vector<Path> strokes = maker.careful(model);
  CharacterPractice practice(model);
  EXPECT_EQ(practice.write(reversed(strokes[0])).reason, "向きが逆です");
  EXPECT_EQ(practice.write(moved(strokes[0], {0, 256})).reason, "位置がずれています");
  const CharacterPractice::Outcome third = practice.write(Path{{100, 100}, {900, 120}, {120, 900}});
  EXPECT_EQ(third.reason, "形が違います");
  EXPECT_EQ(third.shownForLearner, 0);
  EXPECT_EQ(practice.next(), 1);
  EXPECT_TRUE(practice.write(strokes[1]).kept);
  EXPECT_TRUE(practice.finished());
  EXPECT_EQ(practice.rightFirstTime(), (std::vector<int>{1}));
  EXPECT_EQ(practice.score(), 50);
}

}  // namespace
}  // namespace sumimai::testing
