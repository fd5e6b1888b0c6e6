// Text set on the characters' design box: where a record of the box lands
// in a cell, which strokes are set that way, and the forms characters take
// in columns (ー turned to run top to bottom, small kana moved to the upper
// right) while rows keep them upright.
#include <gtest/gtest.h>

#include <algorithm>

#include "writing/cell_drawing.h"
#include "writing/composition.h"
#include "writing/vertical_forms.h"

namespace sumimai {
namespace {

namespace fs = std::filesystem;

const DataPlaces kShippedData{{}, {fs::path(SUMIMAI_REPOSITORY) / "data"}};

struct Bounds {
  std::int32_t minX, minY, maxX, maxY;
  bool operator==(const Bounds&) const = default;
};

Bounds boundsOf(const CharacterStrokes& s) {
  Bounds b{1 << 30, 1 << 30, 0, 0};
  for (int i = 1; i < slotOf(s.count); ++i) {
    const StrokeRecord& r = s.table[i];
    b = {std::min({b.minX, r.StartX, r.EndX}), std::min({b.minY, r.StartY, r.EndY}),
         std::max({b.maxX, r.StartX, r.EndX}), std::max({b.maxY, r.StartY, r.EndY})};
  }
  return b;
}

std::vector<CharacterStrokes> strokesOf(std::string_view text, WritingDirection direction) {
  const CharacterLookup lookup = standardLookup(kShippedData);
  const Composed c = composeText(text, lookup, {direction, std::nullopt, std::nullopt});
  std::vector<CharacterStrokes> out;
  for (const PlacedCharacter& p : c.composition.characters) out.push_back(*p.strokes);
  return out;
}

TEST(Typesetting, TheDesignBoxIsCentredInTheCellAtItsShare) {
  StrokeTable table{};
  table[1] = {10240, 10240, 5120, 5120, kNewStroke, 300};
  table[2] = {1024, 2048, 1024, 2048, kStrokeGoesOn, 300};
  // 1000 x 500 twips: the box is 460 twips a side, 270 from the left, 20 from the top.
  fitForWindow(table, 3, {1000, 500}, Framing::EmBox);
  EXPECT_EQ(table[1], (StrokeRecord{730, 480, 500, 250, kNewStroke, 13}));
  EXPECT_EQ(table[2], (StrokeRecord{316, 112, 316, 112, kStrokeGoesOn, 13}));
  EXPECT_EQ(table[3].StartX, StrokeTerminator);
}

TEST(Typesetting, ConvertedCharactersAreSetOnTheBoxOtherStrokeFilesOnTheirInk) {
  const std::vector<CharacterStrokes> shipped = strokesOf("色永。", WritingDirection::Rows);
  for (const CharacterStrokes& s : shipped) EXPECT_TRUE(s.onEmBox) << s.origin;
  CharacterStrokes recorded;
  EXPECT_EQ(framingOf(Framing::EmBox, recorded), Framing::Centred);
  EXPECT_EQ(framingOf(Framing::EmBox, shipped[0]), Framing::EmBox);
  EXPECT_EQ(framingOf(Framing::AsTheMainWindow, shipped[0]), Framing::AsTheMainWindow);
}

TEST(Typesetting, SmallKanaStaySmallInRowsAndMoveToTheUpperRightInColumns) {
  const std::vector<CharacterStrokes> rows = strokesOf("ょよ", WritingDirection::Rows);
  const std::vector<CharacterStrokes> columns = strokesOf("ょよ", WritingDirection::Columns);
  // ょ where the source has it: lower and narrower than よ.
  EXPECT_EQ(boundsOf(rows[0]), (Bounds{2947, 2672, 7369, 9183}));
  EXPECT_EQ(boundsOf(rows[1]), (Bounds{2424, 1137, 7907, 9162}));
  EXPECT_EQ(boundsOf(columns[0]), (Bounds{2947 + 1024, 2672 - 1536, 7369 + 1024, 9183 - 1536}));
  EXPECT_EQ(boundsOf(columns[1]), boundsOf(rows[1]));
}

TEST(Typesetting, TheLongVowelMarkTurnsInColumnsToRunTopToBottom) {
  const CharacterStrokes row = strokesOf("ー", WritingDirection::Rows)[0];
  const CharacterStrokes column = strokesOf("ー", WritingDirection::Columns)[0];
  EXPECT_EQ(boundsOf(row), (Bounds{1216, 4804, 8891, 5149}));
  EXPECT_EQ(boundsOf(column), (Bounds{10240 - 5149, 1216, 10240 - 4804, 8891}));
  const int last = slotOf(column.count) - 1;
  EXPECT_LT(column.table[1].StartY, column.table[last].EndY);  // written downwards
  EXPECT_EQ(verticalFormOf("「"), VerticalForm::Turned);
  EXPECT_EQ(verticalFormOf("っ"), VerticalForm::ToTheUpperRight);
  EXPECT_EQ(verticalFormOf("一"), VerticalForm::Upright);
}

}  // namespace
}  // namespace sumimai
