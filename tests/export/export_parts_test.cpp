// The smaller parts of the exporter: the layout of several characters, the
// characters of a text, the GIF palette, the conversion to 4:2:0 and the
// output file that appears only when complete.
#include <gtest/gtest.h>

#include <filesystem>

#include "drawing/raster/pixel_arithmetic.h"
#include "export/character_source.h"
#include "export/export_error.h"
#include "export/gif_palette.h"
#include "export/layout.h"
#include "export/output_file.h"
#include "export/yuv_frame.h"
#include "test_files.h"

namespace sumimai {
namespace {

TEST(Layout, ColumnsRunTopToBottomFromTheRightRowsLeftToRight) {
  const LaidOut columns = layOut(5, LayoutDirection::Columns, 2, std::nullopt);
  EXPECT_EQ(columns.picture, (PictureSize{720, 480}));  // three columns of two, 240-pixel cells
  EXPECT_EQ(columns.cells[0], (PixelRect{480, 0, 720, 240}));
  EXPECT_EQ(columns.cells[1], (PixelRect{480, 240, 720, 480}));
  EXPECT_EQ(columns.cells[2], (PixelRect{240, 0, 480, 240}));
  EXPECT_EQ(columns.cells[4], (PixelRect{0, 0, 240, 240}));
  const LaidOut rows = layOut(3, LayoutDirection::Rows, std::nullopt, PictureSize{400, 100});
  EXPECT_EQ(rows.cells[0], (PixelRect{50, 0, 150, 100}));  // one row of 100-pixel cells, centred
  EXPECT_EQ(rows.cells[2], (PixelRect{250, 0, 350, 100}));
  EXPECT_EQ(layOut(1, LayoutDirection::Columns, std::nullopt, PictureSize{300, 200}).cells[0], (PixelRect{0, 0, 300, 200}));
  EXPECT_EQ(layOut(1, LayoutDirection::Columns, std::nullopt, std::nullopt).picture, (PictureSize{720, 720}));
}

TEST(Layout, ManyCharactersShrinkTheirCellsIntoTheDefaultBoundsButNotBelowTheSmallest) {
  const LaidOut sutra = layOut(276, LayoutDirection::Columns, std::nullopt, std::nullopt);
  EXPECT_LE(sutra.picture.width, 1920);
  EXPECT_LE(sutra.picture.height, 1080);
  EXPECT_EQ(sutra.cells[0].right, sutra.picture.width);  // the first column on the right
  EXPECT_THROW(layOut(276, LayoutDirection::Columns, std::nullopt, PictureSize{200, 200}), ExportError);
}

TEST(CharactersOfText, OneCodePointEachWithVariationSelectorsKept) {
  EXPECT_EQ(charactersOf("色即 是a"), (std::vector<std::string>{"色", "即", " ", "是", "a"}));
  EXPECT_EQ(charactersOf("葛\U000E0100城"), (std::vector<std::string>{"葛\U000E0100", "城"}));
  EXPECT_THROW(charactersOf("\xE8\x89"), ExportError);
  EXPECT_THROW(charactersOf("a\xFF"), ExportError);
}

TEST(GifPalette, InkOverAPlainGroundHasEveryEdgeColourExactly) {
  const GifPalette palette = GifPalette::inkOverGround({40, 20, 90}, {250, 240, 220});
  EXPECT_LE(palette.colours().size(), 256u);
  EXPECT_EQ(palette.colours().front(), 0xFFFAF0DCu);  // no ink: the ground
  for (std::uint32_t coverage = 0; coverage <= 255; ++coverage) {
    const std::uint32_t pixel = raster::over(raster::premultiply(0x28145A, coverage), 0xFFFAF0DC);
    EXPECT_EQ(palette.colours()[palette.indexOf(pixel)], pixel) << coverage;
  }
  // A colour the ink cannot give maps to the nearest there is.
  EXPECT_EQ(palette.colours()[palette.indexOf(0xFFFFFFFF)], 0xFFFAF0DCu);
}

TEST(YuvConversion, WhiteAndBlackAtTheirLevelsOnlyWithinTheWidenedRectangle) {
  RgbImage picture(4, 4, 0xFFFFFFFF);
  picture.row(2)[2] = 0xFF000000;
  std::vector<std::uint8_t> y(16, 0), cb(4, 0), cr(4, 0);
  convertToYuv420(picture, {2, 2, 3, 3}, {y.data(), cb.data(), cr.data(), 4, 2, 2});
  EXPECT_EQ(y[2 * 4 + 2], 16);
  EXPECT_EQ(y[2 * 4 + 3], 235);
  EXPECT_EQ(y[3 * 4 + 3], 235);
  EXPECT_EQ(cb[1 * 2 + 1], 128);
  EXPECT_EQ(cr[1 * 2 + 1], 128);
  EXPECT_EQ(y[0], 0);  // outside: untouched
  EXPECT_EQ(cb[0], 0);
}

TEST(OutputFile, TheFileAppearsOnlyWhenCommittedAndNothingIsLeftOtherwise) {
  testing::ScratchFolder folder;
  testing::writeFile("old.webp", "old");
  {
    OutputFile out("old.webp");
    EXPECT_TRUE(std::filesystem::equivalent(out.temporary().parent_path(), "."));  // beside the target
    EXPECT_EQ(testing::readFile("old.webp"), "old");
    testing::writeFile(out.temporary(), "new");
  }
  EXPECT_EQ(testing::readFile("old.webp"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
  {
    OutputFile out("old.webp");
    testing::writeFile(out.temporary(), "new");
    out.commit();
  }
  EXPECT_EQ(testing::readFile("old.webp"), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

}  // namespace
}  // namespace sumimai
