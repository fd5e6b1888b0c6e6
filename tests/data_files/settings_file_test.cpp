#include "data_files/settings_file.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace sumimai {
namespace {

using testing::ScratchFolder;
using testing::writeFile;

TEST(SettingsFile, ReadsFourNumbersWithOrWithoutTheLeadingBlank) {
  ScratchFolder folder;
  writeFile("設定.dat", " 3\r\n 12.5 \r\n 256 \r\n 0 \r\nextra,stuff\r\n");
  DrawSettings settings;
  InkColour ink;
  SettingsRead read = 設定呼び出し(settings, ink);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(settings.Speed, 3);
  EXPECT_EQ(settings.Red, 12.5);
  EXPECT_EQ(ink.red, 12.5);  // held as read
  EXPECT_EQ(ink.green, 256);
  EXPECT_EQ(ringColour(ink), (Rgb{12, 255, 0}));
  writeFile("設定.dat", "3\r\n\r\n1\r\n2\r\n");
  read = 設定呼び出し(settings, ink);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(settings.Speed, 3);
  EXPECT_EQ(settings.Red, 0);  // an empty item reads 0
}

TEST(SettingsFile, MissingShortOrDamagedFallsBackToSpeedZeroAndBlack) {
  ScratchFolder folder;
  DrawSettings settings{5, 1, 2, 3};
  InkColour ink{1, 2, 3};
  SettingsRead read = 設定呼び出し(settings, ink);
  EXPECT_FALSE(read.ok());
  EXPECT_EQ(read.problem, "ファイルがありません。");
  EXPECT_EQ(settings.Speed, 0);
  EXPECT_EQ(ink.blue, 0);
  writeFile("設定.dat", " 1\r\n 2 \r\n 3 \r\n");
  read = 設定呼び出し(settings, ink);
  EXPECT_FALSE(read.ok());
  EXPECT_EQ(settings.Red, 0);
  writeFile("設定.dat", " 1\r\n 2 \r\n red \r\n 4 \r\n");
  read = 設定呼び出し(settings, ink);
  EXPECT_FALSE(read.ok());
  EXPECT_EQ(read.problem, "3 行目「red」は数値ではありません。");
}

TEST(SettingsFile, TextHasFourLinesInPrintFormWithCrLf) {
  EXPECT_EQ(settingsFileText(" 0", 0, 0, 0), " 0\r\n 0 \r\n 0 \r\n 0 \r\n");
  EXPECT_EQ(settingsFileText("7", 200, 12.4, -0.5), "7\r\n 200 \r\n 12.4 \r\n-.5 \r\n");
}

TEST(SettingsFile, WrittenTextReadsBackToTheSameValues) {
  ScratchFolder folder;
  writeFile("設定.dat", settingsFileText("10", 1.0 / 3, 255, 1e15));
  SettingsRead read = readSettingsFile("設定.dat");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.values[0], 10);
  EXPECT_EQ(read.values[1], 0.333333333333333);
  EXPECT_EQ(read.values[3], 1e15);
}

}  // namespace
}  // namespace sumimai
