// The canvas on screen: what it shows, bottom to top, what it captures and
// saves, and where showing a control erases the ink.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QImage>
#include <csignal>
#include <filesystem>

#include "qt_test_support.h"
#include "test_files.h"
#include "window/qt/qt_canvas.h"
#include "window/qt/qt_picture_files.h"

namespace sumimai {
namespace {

using testing::pixelOf;
using testing::solidPicture;

constexpr unsigned kGrey = 0xF0F0F0, kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00, kBlack = 0x000000;

float twips(int pixels) { return static_cast<float>(pixels * 15); }

// A 40 x 20 pixel canvas with two picture controls lying on it: Image1 (blue,
// 10 x 10 at 4, 4) and, created after it and so above it, Image2 (green,
// 10 x 10 at 10, 8).
class CanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ensureQtApplication();
    canvas.setGeometry(0, 0, twips(40), twips(20));
    place(image1, 4, 4, kBlue);
    place(image2, 10, 8, kGreen);
  }
  void place(PictureControl& control, int x, int y, unsigned colour) {
    control.setContainer(&canvas);
    control.setGeometry(twips(x), twips(y), twips(10), twips(10));
    control.setPicture(solidPicture(QColor::fromRgb(colour), 3, 3));
    canvas.addContainedControl(control);
  }
  void inkEverywhere() { canvas.fillRectangle({0, 0}, {twips(40), twips(20)}, Rgb{0, 0, 0}); }

  // The controls outlive the canvas that watches them.
  PictureControl image1{"Image1"};
  PictureControl image2{"Image2"};
  QtCanvas canvas{"Picture1"};
};

TEST_F(CanvasTest, ShowsBackgroundPicturePictureControlsThenInk) {
  canvas.setPicture(solidPicture(Qt::red, 3, 3));
  canvas.drawRectangle({twips(30), twips(2)}, {twips(36), twips(18)}, Rgb{0, 0, 0});
  Picture shown = canvas.capture();
  ASSERT_EQ(shown.pixelWidth, 40);
  ASSERT_EQ(shown.pixelHeight, 20);
  EXPECT_EQ(pixelOf(shown, 1, 1), kRed);     // the canvas's picture, at its own size
  EXPECT_EQ(pixelOf(shown, 20, 1), kGrey);   // background beyond it
  EXPECT_EQ(pixelOf(shown, 5, 5), kBlue);    // Image1, stretched
  EXPECT_EQ(pixelOf(shown, 12, 12), kGreen); // Image2 lies above Image1
  EXPECT_EQ(pixelOf(shown, 30, 10), kBlack); // ink
  EXPECT_EQ(pixelOf(shown, 33, 10), kGrey);  // inside the outline
}

TEST_F(CanvasTest, InkLiesOverPictureControlsAndHiddenControlsShowNothing) {
  image2.setVisible(false);
  canvas.drawLine({twips(0), twips(6)}, {twips(40), twips(6)}, Rgb{255, 0, 0});
  Picture shown = canvas.capture();
  EXPECT_EQ(pixelOf(shown, 5, 6), kRed);
  EXPECT_EQ(pixelOf(shown, 12, 12), kBlue);
  EXPECT_EQ(pixelOf(shown, 16, 16), kGrey);
}

TEST_F(CanvasTest, ShowingAPictureControlErasesTheInkWithinIt) {
  image2.setVisible(false);
  inkEverywhere();
  image2.setVisible(true);
  Picture shown = canvas.capture();
  EXPECT_EQ(pixelOf(shown, 15, 15), kGreen);  // erased under Image2
  EXPECT_EQ(pixelOf(shown, 5, 5), kBlack);    // ink stays over Image1
  EXPECT_EQ(pixelOf(shown, 30, 2), kBlack);   // and elsewhere
}

TEST_F(CanvasTest, ANewPictureErasesInkOnlyWhenTheControlIsVisible) {
  inkEverywhere();
  image1.setPicture(solidPicture(Qt::red, 2, 2));
  Picture shown = canvas.capture();
  EXPECT_EQ(pixelOf(shown, 5, 5), kRed);
  EXPECT_EQ(pixelOf(shown, 16, 16), kBlack);  // the ink over Image2 stays

  image2.setVisible(false);
  inkEverywhere();
  image2.setPicture(solidPicture(Qt::red, 2, 2));
  EXPECT_EQ(pixelOf(canvas.capture(), 16, 16), kBlack);
}

TEST_F(CanvasTest, MovingAControlErasesWhereItWasAndWhereItGoes) {
  inkEverywhere();
  image2.setGeometry(twips(28), twips(8), twips(10), twips(10));
  Picture shown = canvas.capture();
  EXPECT_EQ(pixelOf(shown, 16, 16), kGrey);   // where it was: erased, nothing there now
  EXPECT_EQ(pixelOf(shown, 30, 10), kGreen);  // where it is
  EXPECT_EQ(pixelOf(shown, 2, 2), kBlack);
}

TEST_F(CanvasTest, ANewPictureOrTheEmptyOneEmptiesTheInk) {
  inkEverywhere();
  canvas.setPicture(solidPicture(Qt::red, 3, 3));
  EXPECT_EQ(pixelOf(canvas.capture(), 30, 2), kGrey);
  inkEverywhere();
  canvas.setPicture(Picture{});
  Picture shown = canvas.capture();
  EXPECT_EQ(pixelOf(shown, 1, 1), kGrey);
  EXPECT_EQ(pixelOf(shown, 30, 2), kGrey);
  EXPECT_TRUE(canvas.picture().empty());
}

TEST_F(CanvasTest, CaptureFollowsTheCanvasSize) {
  canvas.setGeometry(0, 0, twips(64) + 7, twips(30));  // rounds to 64 x 30
  Picture shown = canvas.capture();
  EXPECT_EQ(shown.pixelWidth, 64);
  EXPECT_EQ(shown.pixelHeight, 30);
}

TEST_F(CanvasTest, SavesItsPictureAsBmpAtTheCanvasSizeWithoutInk) {
  testing::ScratchFolder folder;
  canvas.setPicture(solidPicture(Qt::red, 3, 3));
  inkEverywhere();
  PictureSave save = canvas.savePicture("page.bmp");
  ASSERT_TRUE(save.ok()) << save.problem;
  QImage saved("page.bmp", "BMP");
  ASSERT_EQ(saved.size(), QSize(40, 20));
  EXPECT_EQ(saved.pixel(1, 1) & 0xFFFFFF, kRed);
  EXPECT_EQ(saved.pixel(30, 10) & 0xFFFFFF, kGrey);  // neither ink nor picture controls
  PictureLoad back = QtPictureFiles().load("page.bmp");
  EXPECT_TRUE(back.ok()) << back.problem;
}

TEST_F(CanvasTest, AFailedSaveNamesTheFile) {
  testing::ScratchFolder folder;
  PictureSave missingFolder = canvas.savePicture("no such folder/page.bmp");
  EXPECT_FALSE(missingFolder.ok());
  EXPECT_NE(missingFolder.problem.find("「no such folder/page.bmp」"), std::string::npos);

  std::filesystem::create_directory("taken.bmp");
  PictureSave onAFolder = canvas.savePicture("taken.bmp");
  EXPECT_FALSE(onAFolder.ok());
  EXPECT_NE(onAFolder.problem.find("「taken.bmp」"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory("taken.bmp"));
}

TEST_F(CanvasTest, ASaveThatBreaksOffTellsWhyAndKeepsTheOldPicture) {
  testing::ScratchFolder folder;
  testing::writeFile("page.bmp", "the old page");
  // A file size limit makes the write break off part way, as a full disk would.
  struct rlimit saved;
  ::getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 100;
  ::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  PictureSave save = canvas.savePicture("page.bmp");
  ::setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_FALSE(save.ok());
  EXPECT_EQ(save.problem, "画像ファイル「page.bmp」を保存できません。書き込めません（ファイルが大きすぎます：File too large）");
  EXPECT_EQ(testing::readFile("page.bmp"), "the old page");
}

}  // namespace
}  // namespace sumimai
