#include "data_files/file_paths.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace sumimai
