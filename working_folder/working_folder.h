// Where the programs run. They read and write relative to the current
// directory. Started in a folder that holds the whole set of data files (a
// developer's working folder: the stroke folder with its character list and
// page file, and both pictures), they stay there. Otherwise, when the shipped data is
// installed with them (share/sumimai beside the executable's bin folder, so
// under any prefix), they change into the user's working folder, made or
// brought up to date from the shipped data first (user_copy.h). Otherwise
// (a program run from its build folder) they stay where they are.
#pragma once

#include <filesystem>
#include <string>

namespace sumimai {

struct WorkingFolderStart {
  std::filesystem::path executableFolder;
  std::string version;                // the programs' version, for the stamp
  const char* xdgDataHome = nullptr;  // the environment's values, or null
  const char* home = nullptr;
  // Started from the desktop's menu: the user's folder even when the
  // current directory (the home folder, as a rule) holds a whole set.
  bool userFolderAlways = false;
};

// The environment variable the menu entries set (to "user") so that the
// programs always run in the user's folder.
inline constexpr char kFolderVariable[] = "SUMIMAI_FOLDER";

struct WorkingFolderEntered {
  std::filesystem::path folder;  // the current directory when ok
  std::string problem;           // in Japanese, naming the folder, when not
  bool ok() const { return problem.empty(); }
};

// The caption of the box that tells the problem.
inline constexpr char kWorkingFolderProblemTitle[] = "起動できません";

// The shipped data for programs in executableFolder: ../share/sumimai.
std::filesystem::path shippedDataFolder(const std::filesystem::path& executableFolder);

// Decides where to run, prepares the user's folder when that is where, and
// changes into it.
WorkingFolderEntered enterWorkingFolder(const WorkingFolderStart& start);

}  // namespace sumimai
