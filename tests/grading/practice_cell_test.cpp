// Practice in a cell: the cell's pixels map onto the judge's box as the
// character is drawn there, so that strokes written along the drawing are
// judged right, and a stroke written out of turn is caught.
#include <gtest/gtest.h>

#include <cmath>

#include "drawing/raster/ink_only_canvas.h"
#include "grading/practice.h"
#include "learner_traces.h"
#include "playback/learner_pen.h"
#include "playback/learning_aids.h"
#include "playback/practice_cell.h"
#include "renderer/window_canvas.h"

namespace sumimai::testing {
namespace {

constexpr double kPixelsPerTwip = 1.0 / 15;

PointF pointOf(Point p) { return {static_cast<float>(p.x), static_cast<float>(p.y)}; }

// The learner's strokes written along the model's lines in the cell, with
// a wobble, as pixels and back in the judge's box.
std::vector<Path> writtenInCell(const CellFit& fit, const std::vector<Path>& strokes, InkOnlyCanvas& canvas,
                                double cellPixels) {
  std::vector<Path> judged;
  for (const Path& stroke : strokes) {
    LearnerStroke written(canvas, {20, 120}, cellPixels, kPixelsPerTwip, {0, 0, 0});
    double ms = 0;
    for (const Point& p : stroke) written.add({fit.toPixel(pointOf(p)), ms += 16});
    Path back;
    for (PointF at : written.path()) {
      const PointF s = fit.toSource(at);
      back.push_back({s.x, s.y});
    }
    judged.push_back(back);
  }
  return judged;
}

class PracticeCellTest : public ::testing::TestWithParam<PictureSize> {};

TEST_P(PracticeCellTest, StrokeStartsLieWhereTheCellDrawsThem) {
  const PictureSize cell = GetParam();
  for (const char* character : {"永", "心", "一"}) {
    const CharacterStrokes strokes = shippedStrokes(character);
    const CellFit fit(strokes, cell, Framing::AsTheMainWindow, kPixelsPerTwip);
    const ModelCharacter model = grading::modelOf(strokes);
    const std::vector<StrokeStart> starts = strokeStarts(strokes, cell, Framing::AsTheMainWindow, kPixelsPerTwip);
    ASSERT_EQ(starts.size(), model.strokes.size()) << character;
    for (std::size_t i = 0; i < starts.size(); ++i) {
      const PointF at = fit.toPixel(pointOf(model.strokes[i].front()));
      EXPECT_NEAR(at.x, starts[i].at.x, 0.5) << character << " stroke " << i + 1;
      EXPECT_NEAR(at.y, starts[i].at.y, 0.5) << character << " stroke " << i + 1;
      const PointF back = fit.toSource(at);
      EXPECT_NEAR(back.x, model.strokes[i].front().x, 0.01);
      EXPECT_NEAR(back.y, model.strokes[i].front().y, 0.01);
    }
    EXPECT_GT(fit.widestRadius(), 0) << character;
    EXPECT_LE(fit.meanRadius(), fit.widestRadius());
  }
}

TEST_P(PracticeCellTest, StrokesWrittenAlongTheDrawingAreJudgedRight) {
  const PictureSize cell = GetParam();
  const CharacterStrokes strokes = shippedStrokes("永");
  const CellFit fit(strokes, cell, Framing::AsTheMainWindow, kPixelsPerTwip);
  InkOnlyCanvas canvas(canvasOfWindow(twipsOf(cell)), kPixelsPerTwip);
  TraceMaker maker(3);
  const std::vector<Path> learner = writtenInCell(fit, maker.careful(grading::modelOf(strokes)), canvas,
                                                  std::min(cell.width, cell.height));
  grading::CharacterPractice right(grading::modelOf(strokes));
  for (const Path& p : learner) EXPECT_TRUE(right.write(p).kept);
  EXPECT_TRUE(right.finished());
  EXPECT_EQ(right.score(), 100);
  // The ink lies under the pointer's path.
  const PointF middle = fit.toPixel(pointOf(grading::modelOf(strokes).strokes[0][0]));
  EXPECT_GT(canvas.ink().coverage(static_cast<int>(middle.x), static_cast<int>(middle.y)), 128);

  grading::CharacterPractice swapped(grading::modelOf(strokes));
  EXPECT_EQ(swapped.write(learner[1]).reason, "書き順が違います");
  EXPECT_TRUE(swapped.write(learner[0]).kept);
}

INSTANTIATE_TEST_SUITE_P(Cells, PracticeCellTest,
                         ::testing::Values(PictureSize{600, 600}, PictureSize{720, 400}, PictureSize{150, 260}));

}  // namespace
}  // namespace sumimai::testing
