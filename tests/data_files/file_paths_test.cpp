#include "data_files/file_paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "data_files/character_list.h"
#include "data_files/settings_file.h"
#include "data_files/stroke_file.h"

#include "test_files.h"

namespace sumimai {
namespace {

TEST(FilePaths, DataFilesLiveInTheSutraFolder) {
  EXPECT_EQ(dataFileDisplayName("海（墨翁）.MEM"), "般若心経\\海（墨翁）.MEM");
  EXPECT_EQ(dataFilePath("般.mem"), std::filesystem::path("般若心経/般.mem"));
}

TEST(FilePaths, ANameBeginningWithASlashStaysInTheSutraFolder) {
  testing::ScratchFolder folder;
  testing::writeFile("般若心経/x.mem", "x");
  EXPECT_TRUE(fileExists(dataFilePath("/x.mem")));
  EXPECT_EQ(dataFilePath("/x.mem").begin()->string(), "般若心経");
}

TEST(FilePaths, ANameThatDiffersOnlyInLetterCaseIsFound) {
  testing::ScratchFolder folder;
  testing::writeFile("Data/海（墨翁）.MEM", "x");
  EXPECT_EQ(findFile("data/海（墨翁）.mem"), std::filesystem::path("Data/海（墨翁）.MEM"));
  EXPECT_TRUE(fileExists("DATA/海（墨翁）.Mem"));
  EXPECT_FALSE(fileExists("data/海.mem"));
  EXPECT_EQ(findFile("nothing/here"), std::filesystem::path("nothing/here"));
  EXPECT_FALSE(fileExists("Data"));  // a folder is not a file
}

TEST(FilePaths, OnlyRegularFilesAreOpenedAndOpeningNeverWaits) {
  testing::ScratchFolder folder;
  ASSERT_EQ(::mkfifo("設定.dat", 0644), 0);
  ASSERT_EQ(::mkfifo("pipe.mem", 0644), 0);
  std::filesystem::create_directory("folder.mem");
  constexpr char kNotRegular[] = "普通のファイルではありません（名前付きパイプや装置は読みません）。";
  EXPECT_EQ(readSettingsFile("設定.dat").problem, kNotRegular);
  StrokeTable table;
  StrokeCountValue count = 0;
  for (const char* file : {"pipe.mem", "/dev/zero"}) {
    const StrokeFileRead read = readStrokeFile(file, table, count);
    EXPECT_EQ(read.status, StrokeFileStatus::Unreadable) << file;
    EXPECT_EQ(read.problem, kNotRegular) << file;
  }
  EXPECT_EQ(readStrokeFile("folder.mem", table, count).problem, "ファイルではなくフォルダです。");
  EXPECT_EQ(readStrokeFile("none.mem", table, count).status, StrokeFileStatus::Missing);
  SutraTextTable text;
  EXPECT_EQ(readCharacterList("pipe.mem", text).problem, kNotRegular);
}

TEST(FilePaths, ASmallFileIsReadWholeAndALargerOneNotAtAll) {
  testing::ScratchFolder folder;
  testing::writeFile("stamp", "1.2.3\n");
  ASSERT_EQ(::mkfifo("pipe", 0644), 0);
  EXPECT_EQ(readSmallFile("stamp", 6), "1.2.3\n");
  EXPECT_EQ(readSmallFile("stamp", 5), std::nullopt);
  EXPECT_EQ(readSmallFile("pipe", 100), std::nullopt);
  EXPECT_EQ(readSmallFile("/dev/zero", 100), std::nullopt);
}

TEST(FilePaths, ANameFromDataStaysInItsFolderUnlessAPartOfItIsTheParent) {
  for (const char* inside : {"色.mem", "/x.mem", "a/b.mem", "..x.mem", "x...mem", "./x.mem"})
    EXPECT_TRUE(staysInFolder(inside)) << inside;
  for (const char* outside : {"../x.mem", "../../x.mem", "a/../../x.mem", "/../x.mem", ".."})
    EXPECT_FALSE(staysInFolder(outside)) << outside;
}

}  // namespace
}  // namespace sumimai
