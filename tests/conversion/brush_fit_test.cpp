// Fitting simplified brush paths to their outlines, on shapes whose answer
// is known: a brush too thin and too short for its bar, a curve spanned by
// few segments, and a stroke that narrows sharply, where the brush must not
// pinch.
#include <gtest/gtest.h>

#include <cmath>

#include "conversion/brush_fit.h"
#include "conversion/fidelity.h"
#include "conversion/stroke_records.h"
#include "data_files/stroke_file_text.h"

namespace sumimai::strokes {
namespace {

Contour rectangle(double left, double top, double right, double bottom) {
  return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

GlyphRead glyphOf(std::vector<Contour> outlines) {
  GlyphRead g;
  for (Contour& c : outlines) g.strokes.push_back({{std::move(c)}, {}, {}, 1});
  return g;
}

Simplified stillStarts(std::vector<BrushPath> strokes) {
  Simplified s;
  s.stillStart.assign(strokes.size(), true);
  s.strokes = std::move(strokes);
  return s;
}

Fidelity measured(const GlyphRead& glyph, const Simplified& s) {
  return measureFidelity(glyph, strokeFileText("test", strokeRecords(s.strokes, {10, {}}, s.stillStart)), 600);
}

TEST(FitToOutlines, WidensAndStretchesABrushTooThinAndShortForItsBar) {
  GlyphRead bar = glyphOf({rectangle(100, 480, 900, 544)});
  Simplified s = stillStarts({{{{300, 520}, 10}, {{700, 505}, 12}}});
  Fidelity before = measured(bar, s);
  fitToOutlines(bar, s);
  const BrushPath& p = s.strokes[0];
  ASSERT_EQ(p.size(), 2u);
  for (const BrushPoint& b : p) {
    EXPECT_NEAR(b.at.y, 512, 3);
    EXPECT_NEAR(b.radius, 32, 3);
  }
  EXPECT_LT(p.front().at.x - p.front().radius, 106);
  EXPECT_GT(p.back().at.x + p.back().radius, 894);
  Fidelity after = measured(bar, s);
  EXPECT_LT(before.coveredStrict, 0.5);
  EXPECT_GT(after.coveredStrict, 0.97);
  EXPECT_LT(after.outsideStrict, 0.04);
}

// A quarter ring of radii 300 and 360 about (100, 900), centre line radius 330.
GlyphRead quarterRing() {
  Contour c;
  for (int i = 0; i <= 32; ++i) c.push_back({100 + 360 * std::cos(i * M_PI / 64), 900 - 360 * std::sin(i * M_PI / 64)});
  for (int i = 32; i >= 0; --i) c.push_back({100 + 300 * std::cos(i * M_PI / 64), 900 - 300 * std::sin(i * M_PI / 64)});
  return glyphOf({c});
}

TEST(FitToOutlines, BendsFewSegmentsOverACurveToCoverMoreOfIt) {
  GlyphRead ring = quarterRing();
  BrushPath chord;
  for (int i = 0; i <= 2; ++i) chord.push_back({{100 + 330 * std::cos(i * M_PI / 4), 900 - 330 * std::sin(i * M_PI / 4)}, 30});
  Simplified s = stillStarts({chord});
  Fidelity before = measured(ring, s);
  fitToOutlines(ring, s);
  Fidelity after = measured(ring, s);
  EXPECT_GT(after.coveredStrict, before.coveredStrict + 0.03);
  EXPECT_LT(after.outsideStrict, before.outsideStrict + 0.02);
  EXPECT_GT(after.covered - after.outside, before.covered - before.outside + 0.03);
}

TEST(FitToOutlines, NeverPinchesAStrokeThatNarrowsSharply) {
  // A bar 64 high, narrowed to 16 between x 480 and 520: the brush may thin
  // there, but not so sharply that the stroke looks knotted.
  GlyphRead waist = glyphOf({{{100, 480}, {480, 480}, {480, 504}, {520, 504}, {520, 480}, {900, 480},
                              {900, 544}, {520, 544}, {520, 520}, {480, 520}, {480, 544}, {100, 544}}});
  Simplified s = stillStarts({{{{140, 512}, 30}, {{460, 512}, 30}, {{500, 512}, 8}, {{540, 512}, 30}, {{860, 512}, 30}}});
  fitToOutlines(waist, s);
  const BrushPath& p = s.strokes[0];
  ASSERT_EQ(p.size(), 5u);
  for (std::size_t k = 1; k + 1 < p.size(); ++k) {
    double least = std::min(p[k - 1].radius, p[k + 1].radius);
    double shorter = std::min(std::hypot(p[k].at.x - p[k - 1].at.x, p[k].at.y - p[k - 1].at.y),
                              std::hypot(p[k + 1].at.x - p[k].at.x, p[k + 1].at.y - p[k].at.y));
    EXPECT_TRUE(p[k].radius >= 0.7 * least || least - p[k].radius <= 0.25 * shorter)
        << "point " << k << ": radius " << p[k].radius << " between " << p[k - 1].radius << " and " << p[k + 1].radius;
  }
  EXPECT_GT(measured(waist, s).coveredStrict, 0.95);
}

TEST(FitToOutlines, StartsAStrokeWithoutStillRecordFromThePreviousEndRadius) {
  // Two bars; the second has no still record, so its first segment widens
  // from the first one's end disc (32), far wider than the second bar (8):
  // fitted to that, it starts further in and spills less.
  GlyphRead bars = glyphOf({rectangle(100, 280, 900, 344), rectangle(100, 692, 900, 708)});
  Simplified s = stillStarts({{{{132, 312}, 32}, {{868, 312}, 32}}, {{{108, 700}, 8}, {{140, 700}, 8}, {{892, 700}, 8}}});
  s.stillStart[1] = false;
  Fidelity before = measured(bars, s);
  fitToOutlines(bars, s);
  EXPECT_DOUBLE_EQ(s.strokes[1].front().radius, 8) << "a radius that is not drawn is not changed";
  EXPECT_GT(s.strokes[1].front().at.x, 120) << "the wide start disc moves in from the bar's end";
  EXPECT_LT(measured(bars, s).outsideStrict, before.outsideStrict - 0.005);
}

}  // namespace
}  // namespace sumimai::strokes
