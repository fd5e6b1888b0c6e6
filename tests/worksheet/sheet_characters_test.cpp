// The characters a sheet practises, found in the shipped data, and the
// brush's picture of a cell with its layers.
#include "worksheet/sheet_characters.h"

#include <gtest/gtest.h>

#include "worksheet/cell_picture.h"

namespace sumimai {
namespace {

const std::filesystem::path kShipped = std::filesystem::path(SUMIMAI_REPOSITORY) / "data";

SheetCharacters practised(std::string_view text) {
  return sheetCharacters(text, standardLookup(DataPlaces{{}, {kShipped}}));
}

TEST(SheetCharacters, PunctuationAndSpacesAreLeftOut) {
  const SheetCharacters found = practised("永、 遠。");
  ASSERT_TRUE(found.ok()) << found.problem;
  ASSERT_EQ(found.characters.size(), 2u);
  EXPECT_EQ(found.characters[0].text, "永");
  EXPECT_EQ(found.characters[0].strokeCount, 5);
  EXPECT_EQ(found.characters[1].text, "遠");
  EXPECT_EQ(found.characters[1].strokeCount, 13);
}

TEST(SheetCharacters, RefusedTexts) {
  EXPECT_NE(practised("永☃").problem.find("☃"), std::string::npos);
  EXPECT_NE(practised("、。「」").problem.find("no character to practise"), std::string::npos);
  EXPECT_FALSE(practised("\xff").ok());
  EXPECT_TRUE(practised("永☃").characters.empty());
}

// Counts the pixels of a picture that are this colour.
int pixelsOf(const CellPicture& picture, std::uint32_t colour) {
  int n = 0;
  for (int y = 0; y < picture.side; ++y) {
    for (int x = 0; x < picture.side; ++x) n += picture.at(x, y) == colour;
  }
  return n;
}

TEST(CellPicture, LaterLayersLieOverEarlierOnesInTheirPlace) {
  const SheetCharacters found = practised("永");
  ASSERT_TRUE(found.ok());
  const CharacterStrokes& s = found.characters[0].strokes;
  const Rgb grey{185, 185, 185}, red{200, 0, 0};
  const CellPicture whole = cellPicture(s, 200, {{StrokeSelection{}, grey}});
  const CellPicture second = cellPicture(s, 200, {{StrokeSelection{1, 1}, grey}, {StrokeSelection::only(2), red}});
  ASSERT_EQ(whole.side, 200);
  EXPECT_GT(pixelsOf(whole, 0xFFB9B9B9u), 500);
  EXPECT_GT(pixelsOf(second, 0xFFC80000u), 200);
  EXPECT_LT(pixelsOf(second, 0xFFB9B9B9u), pixelsOf(whole, 0xFFB9B9B9u) / 2);
  // Every inked pixel of the part is inked in the whole, fitted alike.
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 200; ++x) {
      if (second.at(x, y) == 0xFFC80000u) {
        EXPECT_NE(whole.at(x, y), 0xFFFFFFFFu) << x << "," << y;
      }
    }
  }
  // An empty layer draws nothing.
  EXPECT_EQ(pixelsOf(cellPicture(s, 50, {{StrokeSelection{1, 0}, grey}}), 0xFFFFFFFFu), 2500);
}

TEST(CellPicture, SequenceAgreesWithItsLayersDrawnAtOnce) {
  const SheetCharacters found = practised("遠");
  ASSERT_TRUE(found.ok());
  const CharacterStrokes& s = found.characters[0].strokes;
  const Rgb grey{185, 185, 185}, ink{0, 0, 90};
  const std::vector<CellPicture> sequence = sequencePictures(s, 120, grey, ink);
  ASSERT_EQ(sequence.size(), 13u);
  for (int k : {1, 7, 13}) {
    const CellPicture layered = cellPicture(s, 120, {{StrokeSelection{1, k - 1}, grey}, {StrokeSelection::only(k), ink}});
    int differ = 0;
    for (int y = 0; y < 120; ++y) {
      for (int x = 0; x < 120; ++x) differ += layered.at(x, y) != sequence[k - 1].at(x, y);
    }
    EXPECT_LT(differ, 120) << "stroke " << k;
    EXPECT_GT(pixelsOf(sequence[k - 1], 0xFF00005Au), 20) << "stroke " << k;
  }
}

// The ink brush writes the cell's character with ink that varies, the
// same for one seed and otherwise for another, in the round brush's place.
TEST(CellPicture, InkBrushWritesTheSameCharacterWithVaryingInk) {
  const SheetCharacters found = practised("永");
  ASSERT_TRUE(found.ok());
  const CharacterStrokes& s = found.characters[0].strokes;
  const std::vector<InkedStrokes> black{{StrokeSelection{}, Rgb{0, 0, 0}}};
  const CellPicture round = cellPicture(s, 160, black);
  const CellPicture ink = cellPicture(s, 160, black, {BrushKind::Ink, 1});
  EXPECT_EQ(cellPicture(s, 160, black, {BrushKind::Ink, 1}).pixels, ink.pixels);
  EXPECT_NE(cellPicture(s, 160, black, {BrushKind::Ink, 2}).pixels, ink.pixels);
  int inkedRound = 0, inkedBoth = 0, shades = 0;
  for (int y = 0; y < 160; ++y) {
    for (int x = 0; x < 160; ++x) {
      const bool r = round.at(x, y) != 0xFFFFFFFFu, i = ink.at(x, y) != 0xFFFFFFFFu;
      inkedRound += r;
      inkedBoth += r && i;
      shades += i && ink.at(x, y) != 0xFF000000u;
    }
  }
  EXPECT_GT(inkedBoth, inkedRound * 3 / 4);
  EXPECT_GT(shades, inkedRound / 10);
  // The sequence takes the brush too: its last picture is the character's.
  const std::vector<CellPicture> sequence = sequencePictures(s, 160, Rgb{0, 0, 0}, Rgb{0, 0, 0}, {BrushKind::Ink, 1});
  ASSERT_EQ(sequence.size(), 5u);
  EXPECT_NE(sequence.back().pixels, round.pixels);
}

TEST(CellPicture, StrokeStartsInsideTheCell) {
  const SheetCharacters found = practised("永");
  ASSERT_TRUE(found.ok());
  const CharacterStrokes& s = found.characters[0].strokes;
  for (int k = 1; k <= 5; ++k) {
    const StrokeStart start = strokeStartOf(s, k);
    EXPECT_TRUE(start.at.x > 0 && start.at.x < 1 && start.at.y > 0 && start.at.y < 1) << k;
    EXPECT_FALSE(start.at == start.towards) << k;
  }
  // The first stroke of 永 is the dot at the top, set down towards the right.
  EXPECT_LT(strokeStartOf(s, 1).at.y, 0.35);
  EXPECT_GT(strokeStartOf(s, 1).towards.y, strokeStartOf(s, 1).at.y);
  EXPECT_GT(strokeStartOf(s, 1).towards.x, strokeStartOf(s, 1).at.x);
  EXPECT_EQ(strokeStartOf(s, 6).at, PointF{});
}

}  // namespace
}  // namespace sumimai
