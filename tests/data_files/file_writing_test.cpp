#include "data_files/file_writing.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <set>

#include "data_files/replacing_file.h"

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
  EXPECT_FALSE(w.ok);
  EXPECT_EQ(w.problem, "書き込めません（ファイルが大きすぎます：File too large）");
  EXPECT_EQ(readFile("設定.dat"), " 1\r\n 2 \r\n 3 \r\n 4 \r\n");
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(".")) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(FileWriting, ASaveLeavesNoTemporaryFileAndReplacesTheOld) {
  ScratchFolder folder;
  writeFile("設定.dat", "old old old old old old");
  ASSERT_TRUE(replaceFile("設定.dat", "new").ok);
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
  EXPECT_FALSE(w.ok);
  EXPECT_TRUE(std::filesystem::is_directory("設定.dat/inside"));
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(".")) ++entries;
  EXPECT_EQ(entries, 1);
}

std::set<std::string> namesHere() {
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(".")) names.insert(e.path().filename().string());
  return names;
}

// A process number that no process has now: a child's that has ended.
pid_t endedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST(FileWriting, LinksPlantedInTheFolderAreNeverWrittenThrough) {
  ScratchFolder folder;
  writeFile("outside/secret", "untouched");
  writeFile("設定.dat", "old");
  const std::string pid = std::to_string(::getpid());
  // Every name a temporary file of this process might be given, and more.
  for (const std::string& name : {"設定.dat.tmp" + pid, ".設定.dat.tmp" + pid, ".設定.dat." + pid + ".XXXXXX"})
    std::filesystem::create_symlink("outside/secret", name);
  ASSERT_TRUE(replaceFile("設定.dat", "new").ok);
  EXPECT_EQ(readFile("outside/secret"), "untouched");
  EXPECT_FALSE(std::filesystem::is_symlink("設定.dat"));
  EXPECT_EQ(readFile("設定.dat"), "new");
}

TEST(FileWriting, TheReplacedFileKeepsItsPermissionsAndANewOneFollowsTheUmask) {
  ScratchFolder folder;
  writeFile("設定.dat", "old");
  std::filesystem::permissions("設定.dat", std::filesystem::perms(0640));
  ASSERT_TRUE(replaceFile("設定.dat", "new").ok);
  EXPECT_EQ(std::filesystem::status("設定.dat").permissions(), std::filesystem::perms(0640));
  const mode_t saved = ::umask(027);
  ASSERT_TRUE(replaceFile("新しい.dat", "new").ok);
  ::umask(saved);
  EXPECT_EQ(std::filesystem::status("新しい.dat").permissions(), std::filesystem::perms(0640));
}

TEST(FileWriting, TemporaryFilesOfEndedProcessesGoAndThoseOfRunningOnesStay) {
  ScratchFolder folder;
  const std::string ended = ".設定.dat." + std::to_string(endedProcess()) + ".aB3dE9";
  const std::string running = ".設定.dat." + std::to_string(::getppid()) + ".aB3dE9";
  const std::string otherFile = ".Picture.jpg." + std::to_string(endedProcess()) + ".aB3dE9";
  for (const std::string& name : {ended, running, otherFile}) writeFile(name, "left");
  ASSERT_TRUE(replaceFile("設定.dat", "new").ok);
  EXPECT_EQ(namesHere(), (std::set<std::string>{"設定.dat", running, otherFile}));
}

TEST(FileWriting, AnInterruptedWriteLeavesNoTemporaryFile) {
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
    ScratchFolder folder;
    writeFile("設定.dat", "old");
    const pid_t child = ::fork();
    if (child == 0) {
      const struct rlimit noCore {0, 0};
      ::setrlimit(RLIMIT_CORE, &noCore);
      removeTemporaryFilesOnSignals();
      ReplacingFile file("設定.dat");
      (void)file.write("half of it");
      ::kill(::getpid(), signal);
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
    EXPECT_EQ(namesHere(), std::set<std::string>{"設定.dat"}) << signal;
    EXPECT_EQ(readFile("設定.dat"), "old");
  }
}

TEST(FileWriting, TheSystemsReasonIsToldInJapaneseWhereAUserMeetsIt) {
  EXPECT_EQ(systemReason(ENOSPC), "ディスクに空きがありません：No space left on device");
  EXPECT_EQ(systemReason(EACCES), "書き込む権限がありません：Permission denied");
  EXPECT_EQ(systemReason(EROFS), "読み取り専用のディスクです：Read-only file system");
  EXPECT_EQ(systemReason(EBADF), "Bad file descriptor");
}

}  // namespace
}  // namespace sumimai
