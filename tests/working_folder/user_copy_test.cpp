#include "working_folder/user_copy.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "test_files.h"

namespace sumimai {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

// A shipped folder as installed, and an empty user folder beside it.
class UserCopy : public ::testing::Test {
 protected:
  UserCopy() {
    writeFile(shipped / "般若心経" / "一.mem", "stroke one");
    writeFile(shipped / "般若心経" / "文字2.csv", "list");
    writeFile(shipped / "Picture.jpg", "picture");
    writeFile(shipped / "設定.dat", "shipped settings");
    writeFile(shipped / "licenses" / "NOTICE.txt", "notice");
    fs::create_directories(user);
  }

  testing::ScratchFolder scratch;
  fs::path shipped = scratch.path() / "share" / "sumimai";
  fs::path user = scratch.path() / "home" / "sumimai";
};

TEST_F(UserCopy, TheFirstStartCopiesEverythingAndStampsTheVersion) {
  EXPECT_FALSE(updateUserCopy(shipped, user, "1.0.0"));
  EXPECT_EQ(readFile(user / "般若心経" / "一.mem"), "stroke one");
  EXPECT_EQ(readFile(user / "licenses" / "NOTICE.txt"), "notice");
  EXPECT_EQ(readFile(user / "設定.dat"), "shipped settings");
  EXPECT_EQ(readFile(user / kVersionStampName), "1.0.0\n");
  for (const auto& entry : fs::recursive_directory_iterator(user))
    EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(UserCopy, TheSameVersionRestoresDeletedFilesAndKeepsChangedOnes) {
  ASSERT_FALSE(updateUserCopy(shipped, user, "1.0.0"));
  fs::remove(user / "Picture.jpg");
  fs::remove(user / "般若心経" / "文字2.csv");
  writeFile(user / "般若心経" / "一.mem", "edited by hand");
  EXPECT_FALSE(updateUserCopy(shipped, user, "1.0.0"));
  EXPECT_EQ(readFile(user / "Picture.jpg"), "picture");
  EXPECT_EQ(readFile(user / "般若心経" / "文字2.csv"), "list");
  EXPECT_EQ(readFile(user / "般若心経" / "一.mem"), "edited by hand");
}

TEST_F(UserCopy, AnUpgradeLeavesAFileTheUserChangedAlone) {
  writeFile(shipped / "般若心経" / "二.mem", "stroke two");
  ASSERT_FALSE(updateUserCopy(shipped, user, "1.0.0"));
  writeFile(user / "般若心経" / "一.mem", "the user's own strokes");
  writeFile(shipped / "般若心経" / "一.mem", "stroke one, redrawn");
  writeFile(shipped / "般若心経" / "二.mem", "stroke two, redrawn");
  EXPECT_FALSE(updateUserCopy(shipped, user, "1.1.0"));
  EXPECT_EQ(readFile(user / "般若心経" / "一.mem"), "the user's own strokes");
  EXPECT_EQ(readFile(user / "般若心経" / "二.mem"), "stroke two, redrawn");
  // Still the user's at the upgrade after.
  EXPECT_FALSE(updateUserCopy(shipped, user, "1.2.0"));
  EXPECT_EQ(readFile(user / "般若心経" / "一.mem"), "the user's own strokes");
}

TEST_F(UserCopy, TheCharacterLibrariesAndTheMessagesAreReadInPlaceNotCopied) {
  writeFile(shipped / "文字集.smlib", "library");
  writeFile(shipped / "文字集-zh-Hans.smlib", "mainland library");
  writeFile(shipped / "文字集-ko.smlib", "Korean library");
  writeFile(shipped / "translations" / "sumimai_ja.qm", "messages");
  writeFile(user / "文字集.smlib", "an earlier version's copy");
  ASSERT_FALSE(updateUserCopy(shipped, user, "1.0.0"));
  EXPECT_FALSE(fs::exists(user / "文字集.smlib"));
  EXPECT_FALSE(fs::exists(user / "文字集-zh-Hans.smlib"));
  EXPECT_FALSE(fs::exists(user / "文字集-ko.smlib"));
  EXPECT_FALSE(fs::exists(user / "translations"));
  EXPECT_FALSE(updateUserCopy(shipped, user, "1.0.0"));
  EXPECT_FALSE(fs::exists(user / "文字集.smlib"));
}

TEST_F(UserCopy, AnotherVersionRefreshesTheShippedFilesAndKeepsTheUsers) {
  ASSERT_FALSE(updateUserCopy(shipped, user, "1.0.0"));
  writeFile(user / "設定.dat", "the user's settings");
  writeFile(user / "般若心経.bmp", "the user's page");
  fs::remove(user / "Picture.jpg");
  writeFile(shipped / "般若心経" / "一.mem", "stroke one, redrawn");
  writeFile(shipped / "般若心経.bmp", "a shipped page");

  EXPECT_FALSE(updateUserCopy(shipped, user, "1.1.0"));
  EXPECT_EQ(readFile(user / "Picture.jpg"), "picture");
  EXPECT_EQ(readFile(user / "般若心経" / "一.mem"), "stroke one, redrawn");
  EXPECT_EQ(readFile(user / "設定.dat"), "the user's settings");
  EXPECT_EQ(readFile(user / "般若心経.bmp"), "the user's page");
  EXPECT_EQ(readFile(user / kVersionStampName), "1.1.0\n");
}

TEST_F(UserCopy, AUsersFileThatIsMissingIsCopied) {
  ASSERT_FALSE(updateUserCopy(shipped, user, "1.0.0"));
  fs::remove(user / "設定.dat");
  EXPECT_FALSE(updateUserCopy(shipped, user, "2.0.0"));
  EXPECT_EQ(readFile(user / "設定.dat"), "shipped settings");
}

TEST_F(UserCopy, AFailedCopyLeavesNoStampAndIsDoneAgainNextTime) {
  fs::create_directories(user / "Picture.jpg");  // a folder where a file goes
  std::optional<CopyProblem> problem = updateUserCopy(shipped, user, "1.0.0");
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->path, user / "Picture.jpg");
  EXPECT_FALSE(fs::exists(user / kVersionStampName));

  fs::remove(user / "Picture.jpg");
  EXPECT_FALSE(updateUserCopy(shipped, user, "1.0.0"));
  EXPECT_EQ(readFile(user / "Picture.jpg"), "picture");
  EXPECT_EQ(readFile(user / kVersionStampName), "1.0.0\n");
}

TEST_F(UserCopy, AFileWhereASubfolderGoesIsAProblemNamingIt) {
  writeFile(user / "licenses", "in the way");
  std::optional<CopyProblem> problem = updateUserCopy(shipped, user, "1.0.0");
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->path, user / "licenses");
}

TEST_F(UserCopy, AFolderThatCannotHoldTheLockIsAProblem) {
  fs::path missing = user / "not-made";
  std::optional<CopyProblem> problem = updateUserCopy(shipped, missing, "1.0.0");
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->path, missing / kCopyLockName);
}

TEST_F(UserCopy, NamedPipesWhereTheStampOrTheLockGoDoNotStopTheStart) {
  ASSERT_EQ(::mkfifo((user / kVersionStampName).c_str(), 0644), 0);
  EXPECT_FALSE(updateUserCopy(shipped, user, "1.0.0"));  // the pipe is no stamp: copied, then stamped
  EXPECT_EQ(readFile(user / kVersionStampName), "1.0.0\n");

  fs::path other = scratch.path() / "other";
  fs::create_directories(other);
  ASSERT_EQ(::mkfifo((other / kCopyLockName).c_str(), 0644), 0);
  std::optional<CopyProblem> problem = updateUserCopy(shipped, other, "1.0.0");
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->path, other / kCopyLockName);
  EXPECT_EQ(problem->reason, "普通のファイルではありません。");
}

TEST_F(UserCopy, ALockHeldByAnotherStartIsToldAfterAWhile) {
  const int held = ::open((user / kCopyLockName).c_str(), O_RDWR | O_CREAT, 0644);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  std::optional<CopyProblem> problem = updateUserCopy(shipped, user, "1.0.0", std::chrono::milliseconds(120));
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->reason, kAnotherStartCopying);
  EXPECT_FALSE(fs::exists(user / kVersionStampName));
  ::close(held);
  EXPECT_FALSE(updateUserCopy(shipped, user, "1.0.0", std::chrono::milliseconds(120)));
}

TEST_F(UserCopy, ASubfolderThatIsALinkIsNotWrittenThrough) {
  fs::path elsewhere = scratch.path() / "elsewhere";
  writeFile(elsewhere / "一.mem", "someone else's file");
  fs::create_directory_symlink(elsewhere, user / "般若心経");
  std::optional<CopyProblem> problem = updateUserCopy(shipped, user, "1.0.0");
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->path, user / "般若心経");
  EXPECT_EQ(problem->reason, kLinkRefused);
  EXPECT_EQ(readFile(elsewhere / "一.mem"), "someone else's file");
  EXPECT_FALSE(fs::exists(elsewhere / "文字2.csv"));
  EXPECT_FALSE(fs::exists(user / kVersionStampName));
}

}  // namespace
}  // namespace sumimai
