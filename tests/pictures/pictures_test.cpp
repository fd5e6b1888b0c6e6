// The shipped pictures: their sizes, how ink reads on the two grounds, and
// that the painting is repeatable.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "control_pictures.h"
#include "paper.h"

namespace sumimai {
namespace {

QImage shipped(const std::string& relative) {
  QImage image(QString::fromStdString((std::filesystem::path(SUMIMAI_REPOSITORY) / relative).string()));
  EXPECT_FALSE(image.isNull()) << relative;
  return image;
}

// Relative luminance of a colour, 0 (black) to 1 (white).
double luminance(QRgb c) {
  auto lin = [](int v) {
    double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

double contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

// The weakest contrast of ink against the ground over all pixels but the few
// weakest (flecks may lie under a stroke).
double weakestContrast(const QImage& ground, QRgb ink) {
  std::vector<double> all;
  for (int y = 0; y < ground.height(); y += 3)
    for (int x = 0; x < ground.width(); x += 3) all.push_back(contrast(luminance(ground.pixel(x, y)), luminance(ink)));
  std::sort(all.begin(), all.end());
  return all[all.size() / 1000];
}

TEST(ShippedPictures, HaveTheSizesOfTheWindowAndTheControlTable) {
  EXPECT_EQ(shipped("data/Picture.jpg").size(), QSize(1920, 1080));
  EXPECT_EQ(shipped("data/Picture2.jpg").size(), QSize(1920, 1080));
  const std::pair<const char*, QSize> controls[] = {
      {"Image1.png", {839, 372}}, {"Image2.png", {368, 208}}, {"Image3.png", {368, 208}},
      {"Image4.png", {227, 208}}, {"Image5.png", {168, 169}}, {"Image6.png", {386, 87}}};
  for (const auto& [name, size] : controls) EXPECT_EQ(shipped(std::string("apps/sumimai/pictures/") + name).size(), size) << name;
}

TEST(ShippedPictures, TheSampleInkReadsOnTheStartPictureAndBlackInkOnTheBackground) {
  EXPECT_GE(weakestContrast(shipped("data/Picture.jpg"), qRgb(160, 140, 50)), 3.5);
  QImage background = shipped("data/Picture2.jpg");
  EXPECT_GE(weakestContrast(background, qRgb(0, 0, 0)), 12);
  EXPECT_GE(weakestContrast(background, qRgb(200, 30, 30)), 3.5);  // a red ink still reads
}

TEST(ShippedPictures, TheBackgroundIsCalm) {
  // Neighbouring spots differ little (no busy texture), and the whole ground
  // keeps within a narrow band of lightness.
  QImage background = shipped("data/Picture2.jpg");
  double roughness = 0;
  std::vector<double> lightness;
  int n = 0;
  for (int y = 0; y + 4 < background.height(); y += 4)
    for (int x = 0; x + 4 < background.width(); x += 4, ++n) {
      double l = luminance(background.pixel(x, y));
      roughness += std::abs(l - luminance(background.pixel(x + 4, y))) + std::abs(l - luminance(background.pixel(x, y + 4)));
      lightness.push_back(l);
    }
  std::sort(lightness.begin(), lightness.end());
  double darkest = lightness[lightness.size() / 1000], lightest = lightness[lightness.size() - 1 - lightness.size() / 1000];
  EXPECT_LT(roughness / (2 * n), 0.008);
  EXPECT_LT(lightest - darkest, 0.2);
  std::printf("roughness %.4f, lightness %.3f..%.3f\n", roughness / (2 * n), darkest, lightest);
}

TEST(PicturePainting, IsTheSameEveryTimeAndFollowsItsSeed) {
  using namespace pictures;
  PaperStyle style = washiPaper();
  QImage a = paperImage({320, 180}, style), b = paperImage({320, 180}, style);
  EXPECT_EQ(a, b);
  style.seed += 1;
  EXPECT_NE(a, paperImage({320, 180}, style));
}

TEST(PicturePainting, ButtonsShowBlackTrianglesTheWayTheyPointAndAWhiteCrossOnRed) {
  using namespace pictures;
  QImage left = triangleButton({368, 208}, 2, Pointing::Left);
  // Each triangle's tip lies on the middle row at its pointing side.
  auto dark = [](const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 40; };
  EXPECT_TRUE(dark(left, 130, 104));
  EXPECT_FALSE(dark(left, 130, 60));
  EXPECT_TRUE(dark(triangleButton({368, 208}, 2, Pointing::Right), 238, 104));
  EXPECT_FALSE(dark(triangleButton({368, 208}, 2, Pointing::Right), 238, 60));
  QImage one = triangleButton({227, 208}, 1, Pointing::Right);
  EXPECT_TRUE(dark(one, 150, 104));
  EXPECT_GT(qRed(one.pixel(20, 104)), 150);
  EXPECT_LT(qGreen(one.pixel(20, 104)), 80);
  QImage cross = crossButton({168, 169});
  EXPECT_EQ(cross.pixel(84, 84), qRgb(255, 255, 255));
  EXPECT_GT(qRed(cross.pixel(84, 20)), 150);
  EXPECT_LT(qGreen(cross.pixel(84, 20)), 80);
}

}  // namespace
}  // namespace sumimai
