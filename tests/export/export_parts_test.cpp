// The smaller parts of the exporter: the GIF palette, the conversion to
// 4:2:0, the straight colours of transparent pixels and the output file
// that appears only when complete.
#include <gtest/gtest.h>

#include <filesystem>

#include "drawing/raster/pixel_arithmetic.h"
#include "export/gif_palette.h"
#include "export/export_error.h"
#include "export/output_file.h"
#include "export/picture_file.h"
#include "export/png_writer.h"
#include "export/yuv_frame.h"
#include "test_files.h"

namespace sumimai {
namespace {

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

// A picture is read from its own file only: a playlist under a picture's
// name (which FFmpeg would follow to another file) is refused, as is a file
// name that FFmpeg would take as a numbered sequence of files.
TEST(TransparentPixels, StraightColoursPremultipliedAgainGiveThePixelBack) {
  int wrong = 0;
  for (std::uint32_t alpha = 1; alpha <= 255; ++alpha) {
    for (std::uint32_t v = 0; v <= alpha; ++v) {
      const std::uint32_t pixel = alpha << 24 | v << 16 | (alpha - v) << 8 | v / 2;
      const std::uint32_t straight = straightPixel(pixel);
      wrong += straight >> 24 != alpha || raster::premultiply(straight & 0xFFFFFF, alpha) != pixel;
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(straightPixel(0), 0u);
  EXPECT_EQ(straightPixel(0x80404040u), 0x80808080u);
  EXPECT_EQ(straightPixel(0xFF123456u), 0xFF123456u);
  const RgbImage half(2, 1, 0x80000000u);
  EXPECT_EQ(flattenedOnto(half, {255, 255, 255}).pixels, std::vector<std::uint32_t>(2, 0xFF7F7F7Fu));
  EXPECT_FALSE(opaque(half));
  EXPECT_TRUE(opaque(RgbImage(2, 2)));
}

TEST(PictureFile, APlaylistOrASequenceUnderAPicturesNameIsNotFollowed) {
  testing::ScratchFolder folder;
  writePng(RgbImage(4, 4, 0xFFFF0000), "secret.png");
  writePng(RgbImage(4, 4, 0xFFFF0000), "ground1.png");
  EXPECT_EQ(readPicture("secret.png", 4, 4).pixels.front(), 0xFFFF0000u);
  testing::writeFile("ground.jpg", "ffconcat version 1.0\nfile secret.png\n");
  testing::writeFile("ground%d.png", "not a picture");
  for (const char* name : {"ground.jpg", "ground%d.png"}) {
    try {
      (void)readPicture(name, 4, 4);
      ADD_FAILURE() << name << " was read";
    } catch (const ExportError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(std::string("cannot read the picture ") + name + ": ", 0), 0u) << e.what();
    }
  }
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
