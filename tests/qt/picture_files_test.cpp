// Picture files: one small file per case, each with one defect and one
// expected outcome.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "qt_test_support.h"
#include "test_files.h"
#include "window/qt/qt_picture_files.h"

namespace sumimai {
namespace {

std::string encoded(const char* format, int w = 64, int h = 48) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) % 256));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes.toStdString();
}

class PictureFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::ensureQtApplication(); }
  testing::ScratchFolder folder;
  QtPictureFiles files;
};

TEST_F(PictureFilesTest, JpegBmpAndPngLoadAtTheirSize) {
  testing::writeFile("Picture.jpg", encoded("JPEG"));
  testing::writeFile("page.bmp", encoded("BMP"));
  testing::writeFile("button.png", encoded("PNG"));
  for (const char* name : {"Picture.jpg", "page.bmp", "button.png"}) {
    PictureLoad load = files.load(name);
    ASSERT_TRUE(load.ok()) << name << ": " << load.problem;
    EXPECT_EQ(load.picture.pixelWidth, 64);
    EXPECT_EQ(load.picture.pixelHeight, 48);
    EXPECT_EQ(load.picture.source, name);
    EXPECT_FALSE(load.picture.empty());
  }
}

TEST_F(PictureFilesTest, TheEmptyNameGivesTheEmptyPicture) {
  PictureLoad load = files.load("");
  EXPECT_TRUE(load.ok());
  EXPECT_TRUE(load.picture.empty());
}

TEST_F(PictureFilesTest, ANameDifferingOnlyInLetterCaseIsFound) {
  testing::writeFile("Picture2.jpg", encoded("JPEG"));
  PictureLoad load = files.load("PICTURE2.JPG");
  EXPECT_TRUE(load.ok()) << load.problem;
}

struct BadFile {
  const char* name;
  std::string bytes;
  const char* reason;  // part of the message
};

TEST_F(PictureFilesTest, EachDefectGivesAMessageNamingTheFile) {
  std::string jpeg = encoded("JPEG", 200, 150);
  std::string bmp = encoded("BMP");
  std::vector<BadFile> cases = {
      {"empty.jpg", "", "空"},
      {"cut.jpg", jpeg.substr(0, jpeg.size() * 2 / 3), "途中で切れて"},
      {"cut.bmp", bmp.substr(0, bmp.size() - 100), "途中で切れて"},
      {"text.jpg", "this is not a picture\r\n", "JPEG または BMP"},
      {"header.jpg", jpeg.substr(0, 40) + "\xFF\xD9", "壊れて"},
  };
  for (const BadFile& bad : cases) {
    testing::writeFile(bad.name, bad.bytes);
    PictureLoad load = files.load(bad.name);
    EXPECT_FALSE(load.ok()) << bad.name;
    EXPECT_TRUE(load.picture.empty()) << bad.name;
    EXPECT_NE(load.problem.find(std::string("「") + bad.name + "」"), std::string::npos) << load.problem;
    EXPECT_NE(load.problem.find(bad.reason), std::string::npos) << bad.name << ": " << load.problem;
  }
}

TEST_F(PictureFilesTest, AMissingFileIsNamed) {
  PictureLoad load = files.load("Picture.jpg");
  EXPECT_FALSE(load.ok());
  EXPECT_NE(load.problem.find("「Picture.jpg」"), std::string::npos);
  EXPECT_NE(load.problem.find("ありません"), std::string::npos);
}

}  // namespace
}  // namespace sumimai
