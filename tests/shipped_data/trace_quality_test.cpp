// The shipped stroke files against the glyphs they were made from, drawn by
// the program's own brush and raster (sumimai-fidelity's measure): the
// sutra's character files cover their glyphs at least as well as the files
// shipped before the brush fitting, and a random sample of each writing
// tradition's character library meets the libraries' targets on both
// measures with every stroke there. Needs the stroke source data beside the
// repository; skipped without it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <sstream>

#include "core/utf8.h"
#include "conversion/data_set.h"
#include "conversion/fidelity.h"
#include "conversion/glyph_svg.h"
#include "conversion/library_set.h"
#include "library/character_library.h"
#include "shipped_data.h"
#include "test_files.h"

namespace sumimai {
namespace {

namespace fs = std::filesystem;

constexpr int kCanvas = 720;  // the glyph about 500 pixels tall

fs::path sourceFolder() { return fs::path(SUMIMAI_REPOSITORY) / ".." / "shared" / "strokes"; }

// Averages and the worst of one measure's coverage and ink outside.
struct Measure {
  double covered = 0, outside = 0, worst = 1;
  void add(double c, double o) { covered += c, outside += o, worst = std::min(worst, c); }
};

struct Limits {
  double averageCovered, worstCovered, averageOutside;
};

struct Totals {
  Measure tolerant, strict;
  int characters = 0;
  void add(const std::string& name, const strokes::Fidelity& f) {
    ASSERT_TRUE(f.ok()) << name << ": " << f.problem;
    EXPECT_GE(f.worstStroke, 0.6) << name << " stroke " << f.worstStrokeNumber << " is hardly there";
    tolerant.add(f.covered, f.outside), strict.add(f.coveredStrict, f.outsideStrict), ++characters;
  }
  void expect(const char* what, const Measure& m, const Limits& limits) const {
    ASSERT_GT(characters, 0);
    EXPECT_GE(m.covered / characters, limits.averageCovered) << what;
    EXPECT_GE(m.worst, limits.worstCovered) << what;
    EXPECT_LE(m.outside / characters, limits.averageOutside) << what;
    std::printf("%d characters, %s: covered %.4f on average, %.4f at worst; outside %.4f on average\n", characters,
                what, m.covered / characters, m.worst, m.outside / characters);
  }
};

// The coverage of each sutra character before the fitting, by code point.
std::map<char32_t, double> coverageBefore() {
  std::map<char32_t, double> before;
  std::istringstream lines(testing::readFile(fs::path(SUMIMAI_REPOSITORY) / "tests" / "shipped_data" / "sutra_coverage_before.txt"));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("U+", 0) != 0) continue;
    std::istringstream fields(line.substr(2));
    unsigned code = 0;
    double covered = 0;
    fields >> std::hex >> code >> std::dec >> covered;
    before[static_cast<char32_t>(code)] = covered;
  }
  return before;
}

TEST(ShippedStrokeQuality, EverySutraCharacterCoversItsGlyphAtLeastAsWellAsBefore) {
  if (!fs::exists(sourceFolder() / "svg")) GTEST_SKIP() << "no stroke source data beside the repository";
  std::map<char32_t, double> before = coverageBefore();
  Totals totals;
  for (const std::string& name : testing::shippedStrokeFileNames()) {
    char32_t c = strokes::sutraCharacters(name).front();
    strokes::GlyphRead glyph = strokes::readGlyphSvg(sourceFolder() / "svg" / (std::to_string(unsigned(c)) + ".svg"));
    ASSERT_TRUE(glyph.ok()) << glyph.problem;
    strokes::Fidelity f = strokes::measureFidelity(glyph, testing::readFile(testing::shippedStrokes() / name), kCanvas);
    totals.add(name, f);
    ASSERT_TRUE(before.count(c)) << name;
    EXPECT_GE(f.covered, before[c] - 1e-4) << name;  // the figures before are rounded to 4 places
  }
  EXPECT_EQ(static_cast<std::size_t>(totals.characters), before.size());
  totals.expect("tolerant", totals.tolerant, {0.99, 0.95, 0.0023});
  totals.expect("strict", totals.strict, {0.975, 0.93, 0.0344});
}

TEST(ShippedStrokeQuality, TheInkBrushKeepsASampleOfTheSutraLegible) {
  // Every fifth sutra character written with the ink brush: its dry streaks
  // and wet ink leave the glyph covered and the ink inside it.
  if (!fs::exists(sourceFolder() / "svg")) GTEST_SKIP() << "no stroke source data beside the repository";
  const std::vector<std::string> names = testing::shippedStrokeFileNames();
  Totals totals;
  for (std::size_t i = 0; i < names.size(); i += 5) {
    char32_t c = strokes::sutraCharacters(names[i]).front();
    strokes::GlyphRead glyph = strokes::readGlyphSvg(sourceFolder() / "svg" / (std::to_string(unsigned(c)) + ".svg"));
    ASSERT_TRUE(glyph.ok()) << glyph.problem;
    totals.add(names[i], strokes::measureFidelity(glyph, testing::readFile(testing::shippedStrokes() / names[i]),
                                                  kCanvas, nullptr, {BrushKind::Ink, 1}));
  }
  totals.expect("ink brush, tolerant", totals.tolerant, {0.85, 0.80, 0.03});
  totals.expect("ink brush, strict", totals.strict, {0.85, 0.60, 0.03});
}

// Each writing tradition's library: it holds every glyph of its source
// folders, and a random sample of it (the same every run) meets the targets
// on both measures with every stroke there; the strict measure counts every
// pixel of the glyph's edge.
class ShippedLibraryQuality : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedLibraryQuality, ARandomSampleMeetsTheTargetsOnBothMeasures) {
  const strokes::Tradition* tradition = strokes::traditionNamed(GetParam());
  ASSERT_NE(tradition, nullptr);
  if (!fs::exists(sourceFolder() / tradition->folders.front())) GTEST_SKIP() << "no stroke source data beside the repository";
  CharacterLibraryOpen opened = CharacterLibrary::open(testing::shippedData() / tradition->libraryFile);
  ASSERT_TRUE(opened.ok()) << opened.problem;
  std::vector<strokes::LibrarySource> glyphs = strokes::librarySources(sourceFolder(), *tradition);
  std::vector<char32_t> codes;
  for (const strokes::LibrarySource& g : glyphs) codes.push_back(g.code);
  ASSERT_EQ(codes, opened.library->characters()) << tradition->libraryFile << " does not hold its source's characters";
  std::mt19937 random(20260);
  std::shuffle(glyphs.begin(), glyphs.end(), random);
  glyphs.resize(std::min<std::size_t>(glyphs.size(), 80));
  Totals totals;
  for (const strokes::LibrarySource& g : glyphs) {
    strokes::GlyphRead glyph = strokes::readGlyphSvg(g.svg);
    ASSERT_TRUE(glyph.ok()) << glyph.problem;
    totals.add(encodeUtf8(g.code), strokes::measureFidelity(glyph, *opened.library->strokeFileText(g.code), kCanvas));
  }
  totals.expect("tolerant", totals.tolerant, {0.975, 0.90, 0.015});
  totals.expect("strict", totals.strict, {0.975, 0.90, 0.07});
}

INSTANTIATE_TEST_SUITE_P(EachTradition, ShippedLibraryQuality, ::testing::Values("ja", "zh-Hans", "zh-Hant", "ko"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                           return name;
                         });

// The same code point in another tradition's form: the mainland forms of
// these differ from the Japanese ones in their strokes.
TEST(ShippedLibraries, DrawCharactersOfDifferentFormsDifferently) {
  CharacterLibraryOpen ja = CharacterLibrary::open(testing::shippedData() / "文字集.smlib");
  CharacterLibraryOpen zh = CharacterLibrary::open(testing::shippedData() / "文字集-zh-Hans.smlib");
  ASSERT_TRUE(ja.ok() && zh.ok()) << ja.problem << zh.problem;
  for (char32_t c : {U'骨', U'直', U'角'}) {
    std::optional<std::string> japanese = ja.library->strokeFileText(c), mainland = zh.library->strokeFileText(c);
    ASSERT_TRUE(japanese && mainland) << encodeUtf8(c);
    EXPECT_NE(japanese->substr(japanese->find('\n')), mainland->substr(mainland->find('\n'))) << encodeUtf8(c);
  }
}

}  // namespace
}  // namespace sumimai
