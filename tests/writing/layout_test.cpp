// The cells of a composition: columns from the right or rows from the left,
// a line feed starting the next column, an empty line an empty column, the
// margin around the grid, their size with and without a picture size, the
// framing, and the refusal of cells too small to write in.
#include "writing/layout.h"

#include <gtest/gtest.h>

namespace sumimai {
namespace {

std::vector<std::string> split(const std::vector<std::string>& characters) { return characters; }

TEST(Layout, ColumnsRunTopToBottomFromTheRightRowsLeftToRightWithinAMargin) {
  const LayoutResult columns = layOut(5, {WritingDirection::Columns, 2, std::nullopt});
  ASSERT_TRUE(columns.ok());
  EXPECT_EQ(columns.laid.picture, (PictureSize{768, 528}));  // three columns of two 240-pixel cells, 24 around
  EXPECT_EQ(columns.laid.cells[0], (PixelRect{504, 24, 744, 264}));
  EXPECT_EQ(columns.laid.cells[1], (PixelRect{504, 264, 744, 504}));
  EXPECT_EQ(columns.laid.cells[2], (PixelRect{264, 24, 504, 264}));
  EXPECT_EQ(columns.laid.cells[4], (PixelRect{24, 24, 264, 264}));
  EXPECT_EQ(columns.laid.framing, Framing::EmBox);
  // One row in 400 x 100: the biggest cell that leaves a tenth of it above and below.
  const LayoutResult rows = layOut(3, {WritingDirection::Rows, std::nullopt, PictureSize{400, 100}});
  EXPECT_EQ(rows.laid.cells[0], (PixelRect{77, 9, 159, 91}));
  EXPECT_EQ(rows.laid.cells[2], (PixelRect{241, 9, 323, 91}));
}

TEST(Layout, ALineFeedStartsTheNextColumnAndAnEmptyLineLeavesOneEmpty) {
  // 山 / 川川 / (empty) / 海: four columns as long as the longest line.
  const LayoutResult poem = layOutText(split({"山", "\n", "川", "川", "\n", "\n", "海"}), {});
  ASSERT_TRUE(poem.ok());
  EXPECT_EQ(poem.laid.picture, (PictureSize{1008, 528}));
  EXPECT_EQ(poem.laid.cells[0], (PixelRect{744, 24, 984, 264}));  // the first column, on the right
  EXPECT_EQ(poem.laid.cells[1], PixelRect{});                      // a line feed stands nowhere
  EXPECT_EQ(poem.laid.cells[2], (PixelRect{504, 24, 744, 264}));  // the second column, from the top
  EXPECT_EQ(poem.laid.cells[3], (PixelRect{504, 264, 744, 504}));
  EXPECT_EQ(poem.laid.cells[6], (PixelRect{24, 24, 264, 264}));  // after the empty third column
  // In rows the lines run down.
  const LayoutResult rows = layOutText(split({"山", "\n", "川"}), {WritingDirection::Rows, std::nullopt, std::nullopt});
  EXPECT_EQ(rows.laid.cells[0], (PixelRect{24, 24, 264, 264}));
  EXPECT_EQ(rows.laid.cells[2], (PixelRect{24, 264, 264, 504}));
  // A line feed beside a single character leaves it framed alone.
  EXPECT_EQ(layOutText(split({"山", "\n"}), {}).laid.framing, Framing::AsTheMainWindow);
}

TEST(Layout, OneCharacterFillsThePictureFramedAsTheMainWindowFramesIt) {
  const LayoutResult one = layOut(1, {WritingDirection::Columns, std::nullopt, PictureSize{300, 200}});
  EXPECT_EQ(one.laid.cells, (std::vector<PixelRect>{{0, 0, 300, 200}}));
  EXPECT_EQ(one.laid.framing, Framing::AsTheMainWindow);
  EXPECT_EQ(layOut(1, {}).laid.picture, (PictureSize{720, 720}));
}

TEST(Layout, ManyCharactersShrinkTheirCellsIntoTheDefaultBoundsButNotBelowTheSmallest) {
  const LayoutResult sutra = layOut(276, {});
  EXPECT_EQ(sutra.laid.picture, (PictureSize{1918, 694}));  // 28 columns of 10 cells of 68 pixels, 7 around
  EXPECT_EQ(sutra.laid.cells[0], (PixelRect{1843, 7, 1911, 75}));  // the first column on the right
  const LayoutResult tooSmall = layOut(276, {WritingDirection::Columns, std::nullopt, PictureSize{200, 200}});
  EXPECT_EQ(tooSmall.problem, "276 characters do not fit: their cells would be 11 pixels (at least 16)");
}

}  // namespace
}  // namespace sumimai
