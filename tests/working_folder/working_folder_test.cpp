#include "working_folder/working_folder.h"

#include <gtest/gtest.h>

#include "test_files.h"
#include "working_folder/user_copy.h"
#include "working_folder/user_folder.h"

namespace sumimai {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

TEST(UserWorkingFolder, FollowsTheXdgRules) {
  EXPECT_EQ(userWorkingFolder("/data", "/home/u"), fs::path("/data/sumimai"));
  EXPECT_EQ(userWorkingFolder(nullptr, "/home/u"), fs::path("/home/u/.local/share/sumimai"));
  EXPECT_EQ(userWorkingFolder("", "/home/u"), fs::path("/home/u/.local/share/sumimai"));
  EXPECT_EQ(userWorkingFolder("relative/data", "/home/u"), fs::path("/home/u/.local/share/sumimai"));
  EXPECT_EQ(userWorkingFolder(nullptr, "relative"), fs::path());
  EXPECT_EQ(userWorkingFolder(nullptr, nullptr), fs::path());
}

TEST(ShippedDataFolder, LiesBesideTheBinFolder) {
  EXPECT_EQ(shippedDataFolder("/opt/x/bin"), fs::path("/opt/x/share/sumimai"));
}

// An installed tree (prefix/bin beside prefix/share/sumimai), a home folder
// and an empty folder to start from.
class EnterWorkingFolder : public ::testing::Test {
 protected:
  EnterWorkingFolder() {
    writeFile(prefix / "share" / "sumimai" / "般若心経" / "一.mem", "stroke one");
    writeFile(prefix / "share" / "sumimai" / "設定.dat", "shipped settings");
    fs::create_directories(prefix / "bin");
    fs::create_directories(home);
    fs::create_directories(empty);
    fs::current_path(empty);
  }

  WorkingFolderStart installed() const { return {prefix / "bin", "1.0.0", nullptr, home.c_str()}; }

  testing::ScratchFolder scratch;
  fs::path prefix = scratch.path() / "prefix";
  fs::path home = scratch.path() / "home";
  fs::path empty = scratch.path() / "empty";
};

TEST_F(EnterWorkingFolder, InstalledProgramsStartedElsewhereRunInTheUsersFolder) {
  WorkingFolderEntered entered = enterWorkingFolder(installed());
  fs::path user = home / ".local" / "share" / "sumimai";
  ASSERT_TRUE(entered.ok()) << entered.problem;
  EXPECT_EQ(entered.folder, user);
  EXPECT_EQ(fs::current_path(), user);
  EXPECT_EQ(readFile(user / "般若心経" / "一.mem"), "stroke one");
  EXPECT_EQ(readFile(user / kVersionStampName), "1.0.0\n");
}

// The files a working folder holds, written into folder.
void writeWholeSet(const fs::path& folder) {
  writeFile(folder / "般若心経" / "文字2.csv", "list");
  writeFile(folder / "般若心経" / "般若心経.mem", "page");
  writeFile(folder / "Picture.jpg", "start");
  writeFile(folder / "Picture2.jpg", "background");
}

TEST_F(EnterWorkingFolder, AFolderHoldingTheWholeSetIsUsedAsItIs) {
  writeWholeSet(empty);
  WorkingFolderEntered entered = enterWorkingFolder(installed());
  ASSERT_TRUE(entered.ok());
  EXPECT_EQ(fs::current_path(), empty);
  EXPECT_FALSE(fs::exists(home / ".local"));
}

TEST_F(EnterWorkingFolder, AnIncompleteSetIsNotAWorkingFolder) {
  // A hand copyist's folder of the sutra, then each file of the set missing in turn.
  fs::create_directories(empty / "般若心経");
  writeFile(empty / "般若心経" / "写経.txt", "観自在菩薩");
  const fs::path user = home / ".local" / "share" / "sumimai";
  EXPECT_EQ(enterWorkingFolder(installed()).folder, user);
  for (const char* missing : {"般若心経/文字2.csv", "般若心経/般若心経.mem", "Picture.jpg", "Picture2.jpg"}) {
    writeWholeSet(empty);
    fs::remove(empty / missing);
    fs::current_path(empty);
    EXPECT_EQ(enterWorkingFolder(installed()).folder, user) << missing;
  }
}

TEST_F(EnterWorkingFolder, TheMenusStartUsesTheUsersFolderEvenBesideAWholeSet) {
  writeWholeSet(empty);
  WorkingFolderStart fromMenu = installed();
  fromMenu.userFolderAlways = true;
  EXPECT_EQ(enterWorkingFolder(fromMenu).folder, home / ".local" / "share" / "sumimai");
}

TEST_F(EnterWorkingFolder, ProgramsWithoutShippedDataBesideThemStayWhereTheyAre) {
  WorkingFolderEntered entered = enterWorkingFolder({scratch.path() / "build", "1.0.0", nullptr, home.c_str()});
  ASSERT_TRUE(entered.ok());
  EXPECT_EQ(fs::current_path(), empty);
  EXPECT_FALSE(fs::exists(home / ".local"));
}

TEST_F(EnterWorkingFolder, AFolderThatCannotBeMadeIsToldByName) {
  writeFile(home / ".local", "a file in the way");
  WorkingFolderEntered entered = enterWorkingFolder(installed());
  EXPECT_FALSE(entered.ok());
  EXPECT_NE(entered.problem.find("「" + (home / ".local" / "share" / "sumimai").string() + "」"), std::string::npos)
      << entered.problem;
  EXPECT_NE(entered.problem.find("フォルダのあるべき所にファイルがあります"), std::string::npos) << entered.problem;
  EXPECT_NE(entered.problem.find("終了します"), std::string::npos);
  EXPECT_EQ(fs::current_path(), empty);
}

TEST_F(EnterWorkingFolder, AFileThatCannotBeWrittenIsToldWithItsFolder) {
  fs::path user = home / ".local" / "share" / "sumimai";
  fs::create_directories(user / "般若心経" / "一.mem");  // a folder where a stroke file goes
  WorkingFolderEntered entered = enterWorkingFolder(installed());
  EXPECT_FALSE(entered.ok());
  EXPECT_NE(entered.problem.find("「" + user.string() + "」"), std::string::npos) << entered.problem;
  EXPECT_NE(entered.problem.find("「般若心経/一.mem」"), std::string::npos) << entered.problem;
}

TEST_F(EnterWorkingFolder, WithoutAHomeThereIsNoUsersFolder) {
  WorkingFolderEntered entered = enterWorkingFolder({prefix / "bin", "1.0.0", nullptr, nullptr});
  EXPECT_FALSE(entered.ok());
  EXPECT_NE(entered.problem.find("HOME"), std::string::npos);
}

}  // namespace
}  // namespace sumimai
