// The ink of a cell at a time of its drawing: the same pixels whether drawn
// from the start, from a kept state, forwards or backwards; finished, the
// pixels of the whole drawing; each stroke in its colour when asked; and the
// timing in parts equal to the timing at once.
#include "playback/cell_ink.h"

#include <gtest/gtest.h>

#include "drawing/raster/ink_only_canvas.h"
#include "playback/progressive_timing.h"
#include "playback/writing_inks.h"

namespace sumimai {
namespace {

using namespace std::chrono_literals;

// Two strokes: a bar, then a stroke of two records.
constexpr char kTwoStrokes[] =
    "two\r\n1,1000,2000,3000,2000,1,25,,,,\r\n2,2000,1000,2000,3500,1,30,,,,\r\n"
    "3,2000,3500,1600,3200,2,10,,,,\r\n99999\r\n99999\r\n";

StrokeSource twoStrokes() { return {StrokeSource::Kind::StrokeFile, "two.mem", std::nullopt, kTwoStrokes, {}, {}}; }

struct Written {
  Composition composition;
  CompositionTiming timing;
};

Written written(int characters) {
  std::vector<StrokeSource> sources(static_cast<std::size_t>(characters), twoStrokes());
  sources.insert(sources.begin() + 1, strokeFileSource("missing.mem"));
  Composed c = composeSources(sources, {WritingDirection::Rows, std::nullopt,
                                        PictureSize{256 * (characters + 1), 256}});
  EXPECT_TRUE(c.ok()) << c.problem;
  CompositionTiming t = timeComposition(c.composition, {});
  return {std::move(c.composition), std::move(t)};
}

std::vector<std::uint8_t> coverageOf(const InkLayer& ink) {
  std::vector<std::uint8_t> out;
  for (int y = 0; y < ink.height(); ++y)
    for (int x = 0; x < ink.width(); ++x) out.push_back(ink.coverage(x, y));
  return out;
}

int inkedPixels(const InkLayer& ink) {
  int n = 0;
  for (std::uint8_t c : coverageOf(ink)) n += c > 0;
  return n;
}

class CellInkTest : public testing::Test {
 protected:
  Written w = written(1);
  const PlacedCharacter& c = w.composition.characters[0];
  const CharacterTiming& t = w.timing.characters[0];
  CellInk fresh(CellInkOptions options = {}) { return CellInk(*c.strokes, c.cell, w.composition.framing, {}, t, options); }
  // Forwards, backwards, from nothing or from a kept state: the same ink.
  void expectTheSameByAnyRoute(const CellInkOptions& options);
};

void CellInkTest::expectTheSameByAnyRoute(const CellInkOptions& options) {
  const DrawingClock::Duration second = t.strokes[1].start;
  const DrawingClock::Duration within = t.end - (t.end - second) / 4;  // past the pen-lift pause
  CellInk played = fresh(options);
  for (DrawingClock::Duration at = 0ns; at <= t.end; at += (t.end - t.start) / 40) (void)played.at(at);
  const auto forwards = coverageOf(played.at(within));
  EXPECT_EQ(forwards, coverageOf(fresh(options).at(within)));  // from nothing
  (void)played.finished();
  EXPECT_EQ(coverageOf(played.at(within)), forwards);  // back, from the stroke's start kept
  EXPECT_EQ(coverageOf(played.finished()), coverageOf(fresh(options).finished()));
  // Drawn ahead a stroke at a time (the deadline always passed), the
  // finished ink is the same, and the ink at a time still is too.
  CellInk ahead = fresh(options);
  int slices = 1;
  while (!ahead.prepareFinished(std::chrono::steady_clock::now())) ++slices;
  EXPECT_EQ(slices, static_cast<int>(t.strokes.size()));
  EXPECT_EQ(coverageOf(ahead.finished()), coverageOf(played.finished()));
  EXPECT_EQ(coverageOf(ahead.at(within)), forwards);

  EXPECT_EQ(inkedPixels(played.at(0ns)), 0);
  const int firstStroke = inkedPixels(played.at(second));
  EXPECT_GT(firstStroke, 0);
  EXPECT_GT(inkedPixels(played.at(within)), firstStroke);
  EXPECT_GT(inkedPixels(played.finished()), inkedPixels(played.at(within)));
  EXPECT_EQ(played.at(t.end + 1s).width(), played.finished().width());
}

TEST_F(CellInkTest, AnyTimeGivesTheSamePixelsByAnyRoute) { expectTheSameByAnyRoute({}); }

TEST_F(CellInkTest, TheInkBrushGivesTheSamePixelsByAnyRouteToo) {
  CellInkOptions ink;
  ink.brush.kind = BrushKind::Ink;
  expectTheSameByAnyRoute(ink);
  // It is the ink brush that drew: not the round brush's pixels, and
  // another seed lays other ink.
  EXPECT_NE(coverageOf(fresh(ink).finished()), coverageOf(fresh().finished()));
  CellInkOptions seeded = ink;
  seeded.brush.seed = 7;
  EXPECT_NE(coverageOf(fresh(ink).finished()), coverageOf(fresh(seeded).finished()));
}

TEST_F(CellInkTest, FinishedIsTheWholeDrawing) {
  InkOnlyCanvas whole;
  struct Cell : InkOnlyCanvas, CellCanvas {
    void place(SizeF canvas, PixelRect window) override {
      setSize(canvas);
      ink().setDrawableArea({0, 0, window.width(), window.height()});
    }
  } cell;
  drawCharacterInCell(*c.strokes, {0, 0, c.cell.width(), c.cell.height()},
                      framingOf(w.composition.framing, *c.strokes), cell, {});
  EXPECT_EQ(coverageOf(fresh().finished()), coverageOf(cell.ink()));
}

TEST_F(CellInkTest, StrokesTakeTheirColoursInTurn) {
  const Rgb first{230, 159, 0}, second{0, 114, 178};
  CellInk ink(*c.strokes, c.cell, w.composition.framing, {}, t, {1.0 / 15, {first, second}, kDrawingCallCost, {}});
  const InkLayer& done = ink.finished();
  int ofFirst = 0, ofSecond = 0;
  for (int y = 0; y < done.height(); ++y) {
    for (int x = 0; x < done.width(); ++x) {
      if (done.coverage(x, y) < 255) continue;
      const Rgb shown = done.colourOverWhite(x, y);
      ofFirst += shown == first;
      ofSecond += shown == second;
    }
  }
  EXPECT_GT(ofFirst, 0);
  EXPECT_GT(ofSecond, 0);
}

TEST(WritingTiming, InPartsIsTheTimingAtOnceAndInksFollowIt) {
  const Written w = written(3);
  ProgressiveTiming parts(w.composition, {});
  EXPECT_FALSE(parts.timeMore(0s));  // at least one character
  EXPECT_EQ(parts.timedCharacters(), 1u);
  EXPECT_EQ(parts.timing().characters.back().start, parts.timing().total);
  parts.timeAll();
  ASSERT_TRUE(parts.complete());
  ASSERT_EQ(parts.timing().characters.size(), w.timing.characters.size());
  EXPECT_EQ(parts.timing().total, w.timing.total);
  for (std::size_t i = 0; i < w.timing.characters.size(); ++i) {
    const CharacterTiming &a = parts.timing().characters[i], &b = w.timing.characters[i];
    EXPECT_EQ(a.start, b.start);
    EXPECT_EQ(a.end, b.end);
    ASSERT_EQ(a.strokes.size(), b.strokes.size());
    for (std::size_t s = 0; s < a.strokes.size(); ++s) EXPECT_EQ(a.strokes[s].start, b.strokes[s].start);
  }

  // A budget of one cell's ink keeps only the cell last asked for.
  WritingInks inks(w.composition, {}, {}, 1);
  const auto& c0 = w.timing.characters[0];
  const auto& c2 = w.timing.characters[2];
  const auto firstDone = coverageOf(inks.at(0, c0, c0.end - c0.start));
  (void)inks.at(2, c2, c2.end - c2.start);
  const std::size_t one = inks.heldBytes();
  EXPECT_EQ(coverageOf(inks.at(0, c0, c0.end - c0.start)), firstDone);
  EXPECT_EQ(inks.heldBytes(), one);
}

}  // namespace
}  // namespace sumimai
