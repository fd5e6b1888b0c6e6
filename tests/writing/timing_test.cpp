// When characters and strokes are written on the drawing clock: each stroke
// from the brush's arrival at its first record (its pen-lift pause its own)
// to the next stroke's, the characters one after another, a character that
// is not drawn taking no time; and a selection of strokes drawn alone.
#include "writing/composition_timing.h"

#include <gtest/gtest.h>

#include "drawing/recording/recording_canvas.h"
#include "test_files.h"

namespace sumimai {
namespace {

using namespace std::chrono_literals;

// Two strokes: a bar, then a stroke of two records.
constexpr char kTwoStrokes[] =
    "two\r\n1,1000,2000,3000,2000,1,25,,,,\r\n2,2000,1000,2000,3500,1,30,,,,\r\n"
    "3,2000,3500,1600,3200,2,10,,,,\r\n99999\r\n99999\r\n";

StrokeSource twoStrokes() { return {StrokeSource::Kind::StrokeFile, "two.mem", std::nullopt, kTwoStrokes, {}, {}}; }

class RecordingCellCanvas : public RecordingCanvas, public CellCanvas {
 public:
  void place(SizeF canvas, PixelRect) override { setSize(canvas); }
  std::size_t drawingCalls() const {
    std::size_t n = 0;
    for (const CanvasCall& call : calls) n += !std::holds_alternative<ClearCall>(call);
    return n;
  }
};

// Calls counted as nanoseconds: each costs 1 ns.
CompositionTiming timed(const Composition& composition, double speed = 0) {
  return timeComposition(composition, {speed, {}}, 1ns);
}

TEST(Timing, StrokesFollowEachOtherWithinTheirCharacter) {
  const Composed c = composeSources({twoStrokes()}, {WritingDirection::Columns, std::nullopt, PictureSize{64, 64}});
  const CompositionTiming t = timed(c.composition);
  ASSERT_EQ(t.characters.size(), 1u);
  const CharacterTiming& one = t.characters[0];
  ASSERT_EQ(one.strokes.size(), 2u);
  EXPECT_EQ(one.start, 0ns);
  EXPECT_EQ(one.strokes[0].start, 0ns);
  EXPECT_EQ(one.strokes[0].end, 648ns);
  EXPECT_EQ(one.strokes[1].start, 648ns);  // its pen-lift pause included
  EXPECT_EQ(one.strokes[1].end, 3928ns);
  EXPECT_EQ(one.end, 3928ns);
  EXPECT_EQ(t.total, 3928ns);
  EXPECT_EQ(timed(c.composition, 2).total, 11168ns);  // pacing rings and the pause before each stroke

  // The first stroke drawn alone makes as many calls as its time holds; the
  // second alone has no pen-lift pause before it.
  const CharacterStrokes& strokes = *c.composition.characters[0].strokes;
  RecordingCellCanvas first, second;
  drawCharacterInCell(strokes, {0, 0, 64, 64}, c.composition.framing, first, {}, StrokeSelection::upTo(1));
  drawCharacterInCell(strokes, {0, 0, 64, 64}, c.composition.framing, second, {}, StrokeSelection::only(2));
  EXPECT_EQ(first.drawingCalls(), 648u);
  EXPECT_LT(second.drawingCalls(), 3928u - 648u);
  EXPECT_GT(second.drawingCalls(), 0u);
}

TEST(Timing, CharactersFollowEachOtherAndOneNotDrawnTakesNoTime) {
  // Three 64-pixel cells in a row and their margin, the characters centred in them.
  const Composed c = composeSources({twoStrokes(), strokeFileSource("missing.mem"), twoStrokes()},
                                    {WritingDirection::Rows, std::nullopt, PictureSize{206, 78}});
  const CompositionTiming t = timed(c.composition);
  ASSERT_EQ(t.characters.size(), 3u);
  EXPECT_EQ(t.characters[0].end, 3757ns);
  EXPECT_EQ(t.characters[1].start, 3757ns);
  EXPECT_EQ(t.characters[1].end, 3757ns);
  EXPECT_TRUE(t.characters[1].strokes.empty());
  EXPECT_EQ(t.characters[2].start, 3757ns);
  ASSERT_EQ(t.characters[2].strokes.size(), 2u);
  EXPECT_EQ(t.characters[2].strokes[1].start, 3757ns + 620ns);
  EXPECT_EQ(t.total, 7514ns);
}

}  // namespace
}  // namespace sumimai

namespace sumimai {
namespace {

using namespace std::chrono_literals;

const DataPlaces kShippedData{{}, {std::filesystem::path(SUMIMAI_REPOSITORY) / "data"}};

Composition composedAt(std::string_view text, PictureSize size) {
  const CharacterLookup lookup = standardLookup(kShippedData);
  Composed c = composeText(text, lookup, {WritingDirection::Columns, std::nullopt, size});
  EXPECT_TRUE(c.ok()) << c.problem;
  return std::move(c.composition);
}

TEST(Tempo, ACharacterLastsAsLongAtEverySizeAsOnTheReferenceScreen) {
  const DrawingStyle onScreen(0, {}, kTempoScreen);
  const CompositionTiming small = timeComposition(composedAt("永", {720, 720}), onScreen);
  const CompositionTiming large = timeComposition(composedAt("永", {1080, 1080}), onScreen);
  const CompositionTiming huge = timeComposition(composedAt("永", {4096, 4096}), onScreen);
  const CompositionTiming screen = timeComposition(composedAt("永", {1920, 1080}), DrawingStyle(0, {}));
  EXPECT_GT(screen.total, 1s);
  for (const CompositionTiming* t : {&small, &large, &huge}) {
    EXPECT_LT(std::chrono::abs(t->total - screen.total), 1ms) << t->total.count();
  }
  // Without the reference, a bigger picture has more rings and takes longer.
  EXPECT_GT(timeComposition(composedAt("永", {4096, 4096}), DrawingStyle(0, {})).total, 2 * screen.total);
}

TEST(Tempo, EachCharacterOfATextTakesItsTimeOnScreenAndThePaceScalesIt) {
  const CompositionTiming alone = timeComposition(composedAt("永", {1920, 1080}), DrawingStyle(0, {}));
  const CompositionTiming text = timeComposition(composedAt("永永永", {300, 900}), DrawingStyle(0, {}, kTempoScreen));
  ASSERT_EQ(text.characters.size(), 3u);
  for (const CharacterTiming& c : text.characters) EXPECT_LT(std::chrono::abs(c.end - c.start - alone.total), 1ms);
  const CompositionTiming half = timeComposition(composedAt("永永永", {300, 900}), DrawingStyle(0, {}, kTempoScreen, 0.5));
  EXPECT_LT(std::chrono::abs(2 * half.total - text.total), 1ms);
}

}  // namespace
}  // namespace sumimai
