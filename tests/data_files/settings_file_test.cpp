#include "data_files/settings_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <filesystem>

#include "test_files.h"

namespace sumimai {
namespace {

using testing::readFile;
using testing::ScratchFolder;
using testing::writeFile;

TEST(SettingsFile, ReadsFourNumbersWithOrWithoutTheLeadingBlank) {
  ScratchFolder folder;
  writeFile("設定.dat", " 3\r\n 12.5 \r\n 256 \r\n 0 \r\nextra,stuff\r\n");
  DrawSettings settings;
  InkColour ink;
  SettingsRead read = 設定呼び出し(settings, ink);
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(settings.Speed, 3);
  EXPECT_EQ(settings.Red, 12.5);
  EXPECT_EQ(ink.red, 12.5);  // held as read
  EXPECT_EQ(ink.green, 256);
  EXPECT_EQ(ringColour(ink), (Rgb{12, 255, 0}));
  writeFile("設定.dat", "3\r\n\r\n1\r\n2\r\n");
  read = 設定呼び出し(settings, ink);
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(settings.Speed, 3);
  EXPECT_EQ(settings.Red, 0);  // an empty item reads 0
}

TEST(SettingsFile, MissingShortOrDamagedFallsBackToSpeedZeroAndBlack) {
  ScratchFolder folder;
  DrawSettings settings{5, 1, 2, 3};
  InkColour ink{1, 2, 3};
  SettingsRead read = 設定呼び出し(settings, ink);
  EXPECT_FALSE(read.ok);
  EXPECT_EQ(read.problem, "ファイルがありません。");
  EXPECT_EQ(settings.Speed, 0);
  EXPECT_EQ(ink.blue, 0);
  writeFile("設定.dat", " 1\r\n 2 \r\n 3 \r\n");
  read = 設定呼び出し(settings, ink);
  EXPECT_FALSE(read.ok);
  EXPECT_EQ(settings.Red, 0);
  writeFile("設定.dat", " 1\r\n 2 \r\n red \r\n 4 \r\n");
  read = 設定呼び出し(settings, ink);
  EXPECT_FALSE(read.ok);
  EXPECT_EQ(read.problem, "3 行目「red」は数値ではありません。");
}

TEST(SettingsFile, TextHasFourLinesInPrintFormWithCrLf) {
  EXPECT_EQ(settingsFileText(" 0", 0, 0, 0), " 0\r\n 0 \r\n 0 \r\n 0 \r\n");
  EXPECT_EQ(settingsFileText("7", 200, 12.4, -0.5), "7\r\n 200 \r\n 12.4 \r\n-.5 \r\n");
}

TEST(SettingsFile, WrittenTextReadsBackToTheSameValues) {
  ScratchFolder folder;
  ASSERT_TRUE(replaceFile("設定.dat", settingsFileText("10", 1.0 / 3, 255, 1e15)).ok);
  SettingsRead read = readSettingsFile("設定.dat");
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.values[0], 10);
  EXPECT_EQ(read.values[1], 0.333333333333333);
  EXPECT_EQ(read.values[3], 1e15);
}

TEST(SettingsFile, AFailedWriteLeavesTheOldFileWhole) {
  ScratchFolder folder;
  writeFile("設定.dat", " 1\r\n 2 \r\n 3 \r\n 4 \r\n");
  // A file size limit makes the write fail part way, as a full disk would.
  struct rlimit saved;
  ::getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 8;
  ::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  FileWrite w = replaceFile("設定.dat", std::string(100, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_FALSE(w.ok);
  EXPECT_FALSE(w.problem.empty());
  EXPECT_EQ(readFile("設定.dat"), " 1\r\n 2 \r\n 3 \r\n 4 \r\n");
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(".")) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(SettingsFile, ASaveLeavesNoTemporaryFileAndReplacesTheOld) {
  ScratchFolder folder;
  writeFile("設定.dat", "old old old old old old");
  ASSERT_TRUE(replaceFile("設定.dat", "new").ok);
  EXPECT_EQ(readFile("設定.dat"), "new");
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(".")) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(SettingsFile, AFailedRenameKeepsTheOldFile) {
  ScratchFolder folder;
  // A folder where the file should be: the rename over it fails.
  std::filesystem::create_directories("設定.dat/inside");
  FileWrite w = replaceFile("設定.dat", "new");
  EXPECT_FALSE(w.ok);
  EXPECT_TRUE(std::filesystem::is_directory("設定.dat/inside"));
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(".")) ++entries;
  EXPECT_EQ(entries, 1);
}

}  // namespace
}  // namespace sumimai
