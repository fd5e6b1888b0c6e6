// The cells of a composition: columns from the right or rows from the left,
// their size with and without a picture size, the framing, and the refusal
// of cells too small to write in.
#include "writing/layout.h"

#include <gtest/gtest.h>

namespace sumimai {
namespace {

TEST(Layout, ColumnsRunTopToBottomFromTheRightRowsLeftToRight) {
  const LayoutResult columns = layOut(5, {WritingDirection::Columns, 2, std::nullopt});
  ASSERT_TRUE(columns.ok());
  EXPECT_EQ(columns.laid.picture, (PictureSize{720, 480}));  // three columns of two, 240-pixel cells
  EXPECT_EQ(columns.laid.cells[0], (PixelRect{480, 0, 720, 240}));
  EXPECT_EQ(columns.laid.cells[1], (PixelRect{480, 240, 720, 480}));
  EXPECT_EQ(columns.laid.cells[2], (PixelRect{240, 0, 480, 240}));
  EXPECT_EQ(columns.laid.cells[4], (PixelRect{0, 0, 240, 240}));
  EXPECT_EQ(columns.laid.framing, Framing::Centred);
  const LayoutResult rows = layOut(3, {WritingDirection::Rows, std::nullopt, PictureSize{400, 100}});
  EXPECT_EQ(rows.laid.cells[0], (PixelRect{50, 0, 150, 100}));  // one row of 100-pixel cells, centred
  EXPECT_EQ(rows.laid.cells[2], (PixelRect{250, 0, 350, 100}));
}

TEST(Layout, OneCharacterFillsThePictureFramedAsTheMainWindowFramesIt) {
  const LayoutResult one = layOut(1, {WritingDirection::Columns, std::nullopt, PictureSize{300, 200}});
  EXPECT_EQ(one.laid.cells, (std::vector<PixelRect>{{0, 0, 300, 200}}));
  EXPECT_EQ(one.laid.framing, Framing::AsTheMainWindow);
  EXPECT_EQ(layOut(1, {}).laid.picture, (PictureSize{720, 720}));
}

TEST(Layout, ManyCharactersShrinkTheirCellsIntoTheDefaultBoundsButNotBelowTheSmallest) {
  const LayoutResult sutra = layOut(276, {});
  EXPECT_EQ(sutra.laid.picture, (PictureSize{1904, 680}));  // 28 columns of 10 cells of 68 pixels
  EXPECT_EQ(sutra.laid.cells[0], (PixelRect{1836, 0, 1904, 68}));  // the first column on the right
  const LayoutResult tooSmall = layOut(276, {WritingDirection::Columns, std::nullopt, PictureSize{200, 200}});
  EXPECT_EQ(tooSmall.problem, "276 characters do not fit: their cells would be 11 pixels (at least 16)");
}

}  // namespace
}  // namespace sumimai
