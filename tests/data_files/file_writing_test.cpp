#include "data_files/file_writing.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <filesystem>

#include "test_files.h"

namespace sumimai {
namespace {

using testing::readFile;
using testing::ScratchFolder;
using testing::writeFile;

TEST(FileWriting, AFailedWriteLeavesTheOldFileWhole) {
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
  EXPECT_FALSE(w.ok());
  EXPECT_EQ(w.problem, "書き込めません（ファイルが大きすぎます：File too large）");
  EXPECT_EQ(readFile("設定.dat"), " 1\r\n 2 \r\n 3 \r\n 4 \r\n");
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(".")) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(FileWriting, ASaveLeavesNoTemporaryFileAndReplacesTheOld) {
  ScratchFolder folder;
  writeFile("設定.dat", "old old old old old old");
  ASSERT_TRUE(replaceFile("設定.dat", "new").ok());
  EXPECT_EQ(readFile("設定.dat"), "new");
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(".")) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(FileWriting, AFailedRenameKeepsTheOldFile) {
  ScratchFolder folder;
  // A folder where the file should be: the rename over it fails.
  std::filesystem::create_directories("設定.dat/inside");
  FileWrite w = replaceFile("設定.dat", "new");
  EXPECT_FALSE(w.ok());
  EXPECT_TRUE(std::filesystem::is_directory("設定.dat/inside"));
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(".")) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(FileWriting, TheSystemsReasonIsToldInJapaneseWhereAUserMeetsIt) {
  EXPECT_EQ(systemReason(ENOSPC), "ディスクに空きがありません：No space left on device");
  EXPECT_EQ(systemReason(EACCES), "書き込む権限がありません：Permission denied");
  EXPECT_EQ(systemReason(EROFS), "読み取り専用のディスクです：Read-only file system");
  EXPECT_EQ(systemReason(EBADF), "Bad file descriptor");
}

}  // namespace
}  // namespace sumimai
