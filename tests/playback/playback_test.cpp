// The playback position: moved by real time, to stroke starts by stepping,
// held to the writing by scrubbing, wrapped by looping, and kept at its
// stroke when the writing is timed anew.
#include "playback/playback.h"

#include <gtest/gtest.h>

#include "playback/progressive_timing.h"
#include "playback/writing_inks.h"

namespace sumimai {
namespace {

using namespace std::chrono_literals;

// Two characters: strokes at 0, 100 (ending 250); an empty cell; strokes
// at 250, 300, 420 (ending 500).
CompositionTiming twoCharacters() {
  CompositionTiming t;
  t.characters = {{0ns, 250ns, {{0ns, 100ns}, {100ns, 250ns}}},
                  {250ns, 250ns, {}},
                  {250ns, 500ns, {{250ns, 300ns}, {300ns, 420ns}, {420ns, 500ns}}}};
  t.total = 500ns;
  return t;
}

TEST(Playback, StepsGoFromStrokeStartToStrokeStartAndPause) {
  Playback p(twoCharacters());
  EXPECT_TRUE(p.playing());
  p.stepForward();
  EXPECT_FALSE(p.playing());
  EXPECT_EQ(p.position(), 100ns);
  p.stepForward();
  EXPECT_EQ(p.position(), 250ns);
  p.scrub(330ns);
  p.stepForward();
  EXPECT_EQ(p.position(), 420ns);
  p.stepForward();
  EXPECT_EQ(p.position(), 500ns);
  p.stepForward();
  EXPECT_EQ(p.position(), 500ns);  // stays at the end

  p.stepBack();
  EXPECT_EQ(p.position(), 420ns);
  p.scrub(330ns);
  p.stepBack();  // within a stroke: to its start
  EXPECT_EQ(p.position(), 300ns);
  p.stepBack();  // at a stroke's start: the one before
  EXPECT_EQ(p.position(), 250ns);
  p.scrub(50ns);
  p.stepBack();
  EXPECT_EQ(p.position(), 0ns);
  p.stepBack();
  EXPECT_EQ(p.position(), 0ns);
}

TEST(Playback, TimeMovesItOnlyWhilePlayingAndTheEndStopsOrLoops) {
  Playback p(twoCharacters());
  p.advance(120ns);
  EXPECT_EQ(p.position(), 120ns);
  p.pause();
  p.advance(100ns);
  EXPECT_EQ(p.position(), 120ns);
  p.play();
  p.advance(1000ns);
  EXPECT_EQ(p.position(), 500ns);
  EXPECT_TRUE(p.finished());
  p.advance(1ns);
  EXPECT_FALSE(p.playing());
  p.play();  // from the end: again from the start
  EXPECT_EQ(p.position(), 0ns);

  p.setLooping(true);
  p.advance(600ns, 50ns);
  EXPECT_EQ(p.position(), 500ns);
  p.advance(30ns, 50ns);
  EXPECT_EQ(p.position(), 500ns);  // the finished writing held
  p.advance(30ns, 50ns);
  EXPECT_EQ(p.position(), 0ns);
  EXPECT_TRUE(p.playing());

  p.scrub(-5ns);
  EXPECT_EQ(p.position(), 0ns);
  p.scrub(9000ns);
  EXPECT_EQ(p.position(), 500ns);
  p.home();
  EXPECT_EQ(p.position(), 0ns);
  EXPECT_TRUE(p.playing());
  p.end();
  EXPECT_TRUE(p.finished());
}

TEST(Playback, PlaceNamesTheCharacterAndStrokeBeingWritten) {
  Playback p(twoCharacters());
  ASSERT_TRUE(p.place());
  EXPECT_EQ(p.place()->character, 0u);
  EXPECT_EQ(p.place()->stroke, 0);
  EXPECT_EQ(p.placeOf(100ns)->stroke, 1);
  EXPECT_EQ(p.placeOf(250ns)->character, 2u);  // the empty cell is passed over
  EXPECT_EQ(p.placeOf(499ns)->stroke, 2);
  EXPECT_FALSE(p.placeOf(500ns));
}

TEST(Playback, ATimingAnewKeepsTheStrokeAndItsShare) {
  Playback p(twoCharacters());
  p.scrub(330ns);  // a quarter into the second stroke of the last character
  CompositionTiming slower = twoCharacters();
  for (CharacterTiming& c : slower.characters) {
    c.start *= 2, c.end *= 2;
    for (StrokeTiming& s : c.strokes) s.start *= 2, s.end *= 2;
  }
  slower.total *= 2;
  p.retime(slower);
  EXPECT_EQ(p.position(), 660ns);
  p.end();
  p.retime(twoCharacters());
  EXPECT_EQ(p.position(), 500ns);  // finished stays finished
}

TEST(Playback, InkTimeIsNoneBeforeACharacterAndItsLengthAfter) {
  const CompositionTiming t = twoCharacters();
  EXPECT_FALSE(inkTimeOf(t, 0, 0ns));
  EXPECT_EQ(inkTimeOf(t, 0, 40ns), 40ns);
  EXPECT_EQ(inkTimeOf(t, 0, 400ns), 250ns);
  EXPECT_FALSE(inkTimeOf(t, 1, 400ns));  // no strokes
  EXPECT_FALSE(inkTimeOf(t, 2, 250ns));
  EXPECT_EQ(inkTimeOf(t, 2, 260ns), 10ns);
  EXPECT_FALSE(inkTimeOf(t, 3, 260ns));
}

}  // namespace
}  // namespace sumimai
