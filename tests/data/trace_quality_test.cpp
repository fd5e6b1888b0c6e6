// The shipped stroke files against the glyphs they were made from, drawn by
// the program's own brush and raster (sumimai-fidelity's measure): the
// sutra's character files and a fixed sample of the character library cover
// their glyphs with every stroke and hardly pass them. Needs the stroke
// source data beside the repository; skipped without it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "data_set.h"
#include "fidelity.h"
#include "library/character_library.h"
#include "shipped_data.h"
#include "test_files.h"

namespace sumimai {
namespace {

namespace fs = std::filesystem;

constexpr int kCanvas = 720;  // the glyph about 500 pixels tall

fs::path sourceFolder() { return fs::path(SUMIMAI_REPOSITORY) / ".." / "shared" / "strokes"; }

struct Totals {
  double covered = 0, outside = 0, worst = 1;
  int characters = 0;
  void add(const std::string& name, const strokes::Fidelity& f, double least, double most) {
    ASSERT_TRUE(f.ok) << name << ": " << f.problem;
    EXPECT_GE(f.covered, least) << name;
    EXPECT_LE(f.outside, most) << name;
    EXPECT_GE(f.worstStroke, 0.4) << name << " stroke " << f.worstStrokeNumber << " is hardly there";
    covered += f.covered, outside += f.outside, worst = std::min(worst, f.covered), ++characters;
  }
  void expectAverages(double least, double most) const {
    ASSERT_GT(characters, 0);
    EXPECT_GE(covered / characters, least);
    EXPECT_LE(outside / characters, most);
    std::printf("%d characters: covered %.4f on average, %.4f at worst; outside %.4f on average\n", characters,
                covered / characters, worst, outside / characters);
  }
};

TEST(ShippedStrokeQuality, EverySutraCharacterCoversItsGlyphAndHardlyPassesIt) {
  if (!fs::exists(sourceFolder() / "svg")) GTEST_SKIP() << "no stroke source data beside the repository";
  Totals totals;
  for (const std::string& name : testing::shippedStrokeFileNames()) {
    char32_t c = strokes::sutraCharacters(name).front();
    strokes::GlyphRead glyph = strokes::readGlyphSvg(sourceFolder() / "svg" / (std::to_string(unsigned(c)) + ".svg"));
    ASSERT_TRUE(glyph.ok) << glyph.problem;
    totals.add(name, strokes::measureFidelity(glyph, testing::readFile(testing::shippedStrokes() / name), kCanvas),
               0.97, 0.02);
  }
  totals.expectAverages(0.99, 0.003);
}

TEST(ShippedStrokeQuality, ASampleOfTheLibraryCoversItsGlyphsWithEveryStroke) {
  if (!fs::exists(sourceFolder() / "svg-ja")) GTEST_SKIP() << "no stroke source data beside the repository";
  CharacterLibraryOpen opened = CharacterLibrary::open(testing::shippedData() / "文字集.smlib");
  ASSERT_TRUE(opened.ok()) << opened.problem;
  std::vector<char32_t> codes = opened.library->characters();
  EXPECT_EQ(codes.size(), 7007u + 177u);
  Totals totals;
  for (std::size_t i = 0; i < codes.size(); i += 97) {
    std::string file = std::to_string(unsigned(codes[i])) + ".svg";
    fs::path svg = sourceFolder() / "svg-ja" / file;
    if (!fs::exists(svg)) svg = sourceFolder() / "svg-kana" / file;
    strokes::GlyphRead glyph = strokes::readGlyphSvg(svg);
    ASSERT_TRUE(glyph.ok) << glyph.problem;
    totals.add(strokes::utf8Of(codes[i]), strokes::measureFidelity(glyph, *opened.library->strokeFileText(codes[i]), kCanvas),
               0.92, 0.05);
  }
  totals.expectAverages(0.98, 0.006);
}

}  // namespace
}  // namespace sumimai
