// The shipped stroke files against the glyphs they were made from: drawn as
// the brush draws them, they cover the glyph's outline and hardly pass it.
// Needs the stroke source data beside the repository; skipped without it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "glyph_source.h"
#include "shipped_data.h"

namespace sumimai {
namespace {

namespace fs = std::filesystem;
using strokes::Point2;

constexpr int kCells = 256;              // cells of the 1024-unit source box on a side
constexpr double kCell = 1024.0 / kCells;
constexpr double kFileUnits = 10;        // file units per source unit

fs::path sourceFolder() { return fs::path(SUMIMAI_REPOSITORY) / ".." / "shared" / "strokes"; }

class Mask {
 public:
  Mask() : cells_(kCells * kCells, false) {}
  bool at(int x, int y) const { return cells_[static_cast<std::size_t>(y * kCells + x)]; }
  void set(int x, int y) {
    if (x >= 0 && y >= 0 && x < kCells && y < kCells) cells_[static_cast<std::size_t>(y * kCells + x)] = true;
  }

  // Fills the cells whose centres lie inside the contours (even-odd), row by row.
  void fillContours(const std::vector<strokes::Contour>& contours) {
    for (int row = 0; row < kCells; ++row) {
      double y = (row + 0.5) * kCell;
      std::vector<double> xs;
      for (const strokes::Contour& c : contours)
        for (std::size_t i = 0; i < c.size(); ++i) {
          Point2 a = c[i], b = c[(i + 1) % c.size()];
          if ((a.y > y) != (b.y > y)) xs.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
        }
      std::sort(xs.begin(), xs.end());
      for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
        for (int col = static_cast<int>(std::ceil(xs[i] / kCell - 0.5)); (col + 0.5) * kCell < xs[i + 1]; ++col)
          set(col, row);
    }
  }

  void disc(double cx, double cy, double r) {
    for (int row = static_cast<int>((cy - r) / kCell); row <= static_cast<int>((cy + r) / kCell); ++row)
      for (int col = static_cast<int>((cx - r) / kCell); col <= static_cast<int>((cx + r) / kCell); ++col)
        if (std::hypot((col + 0.5) * kCell - cx, (row + 0.5) * kCell - cy) <= r) set(col, row);
  }

  // The records as the brush draws them: a start disc of the previous
  // thickness, then footprints every source unit with the radius going evenly.
  void brush(const std::vector<StrokeRecord>& records) {
    double px = 0, py = 0, previous = 0;
    for (const StrokeRecord& r : records) {
      double sx = r.Kind == 2 ? px : r.StartX, sy = r.Kind == 2 ? py : r.StartY;
      double length = std::hypot(r.EndX - sx, r.EndY - sy);
      int steps = static_cast<int>(length / kFileUnits);
      if (length > 0) disc(sx / kFileUnits, sy / kFileUnits, previous / kFileUnits);
      for (int k = 1; k <= steps && length > 0; ++k) {
        double t = static_cast<double>(k) / steps;
        disc((sx + t * (r.EndX - sx)) / kFileUnits, (sy + t * (r.EndY - sy)) / kFileUnits,
             (previous + t * (r.Thickness - previous)) / kFileUnits);
      }
      px = r.EndX, py = r.EndY, previous = r.Thickness;
    }
  }

 private:
  std::vector<bool> cells_;
};

struct Fit {
  double covered = 0;  // share of the glyph's cells the brush covers
  double spilled = 0;  // share of the brush's cells outside the glyph
};

Fit compare(const Mask& glyph, const Mask& brush) {
  int glyphCells = 0, brushCells = 0, both = 0;
  for (int y = 0; y < kCells; ++y)
    for (int x = 0; x < kCells; ++x) {
      glyphCells += glyph.at(x, y);
      brushCells += brush.at(x, y);
      both += glyph.at(x, y) && brush.at(x, y);
    }
  return {static_cast<double>(both) / std::max(1, glyphCells),
          static_cast<double>(brushCells - both) / std::max(1, brushCells)};
}

std::string codeOf(const std::string& utf8) {
  auto b = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(utf8[i])); };
  return std::to_string(((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F));
}

TEST(ShippedStrokeQuality, EveryCharacterCoversItsGlyphAndHardlyPassesIt) {
  if (!fs::exists(sourceFolder() / "svg")) GTEST_SKIP() << "no stroke source data beside the repository";
  double worstCovered = 1, worstSpilled = 0, sumCovered = 0, sumSpilled = 0;
  int characters = 0;
  for (const std::string& name : testing::shippedStrokeFileNames()) {
    strokes::GlyphRead glyph = strokes::readGlyphSvg(sourceFolder() / "svg" / (codeOf(name) + ".svg"));
    ASSERT_TRUE(glyph.ok) << glyph.problem;
    Mask outline, drawn;
    for (const strokes::SourceStroke& s : glyph.strokes) outline.fillContours(s.outline);
    drawn.brush(testing::shippedRecords(name));
    Fit fit = compare(outline, drawn);
    // The most intricate characters spend their 99 records thinly.
    EXPECT_GE(fit.covered, 0.88) << name;
    EXPECT_LE(fit.spilled, 0.05) << name;
    sumCovered += fit.covered, sumSpilled += fit.spilled, ++characters;
    worstCovered = std::min(worstCovered, fit.covered);
    worstSpilled = std::max(worstSpilled, fit.spilled);
    if (std::getenv("SUMIMAI_PRINT_FIT")) std::printf("%s covered %.4f spilled %.4f\n", name.c_str(), fit.covered, fit.spilled);
  }
  EXPECT_GE(sumCovered / characters, 0.95);
  EXPECT_LE(sumSpilled / characters, 0.015);
  std::printf("least covered %.4f, most spilled %.4f, on average %.4f and %.4f\n", worstCovered, worstSpilled,
              sumCovered / characters, sumSpilled / characters);
}

}  // namespace
}  // namespace sumimai
