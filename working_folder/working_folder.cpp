#include "working_folder.h"

#include "data_files/file_paths.h"
#include "data_files/file_writing.h"
#include "data_files/folder_files.h"
#include "user_copy.h"
#include "user_folder.h"

namespace sumimai {
namespace fs = std::filesystem;

namespace {

constexpr char kEnding[] = "\nプログラムを終了します。";

WorkingFolderEntered failed(std::string problem) { return {{}, std::move(problem) + kEnding}; }

std::string quoted(const fs::path& path) { return "「" + path.string() + "」"; }

// What went wrong, the folder on a line of its own, and why.
std::string folderProblem(const char* what, const fs::path& folder, const std::string& why) {
  return std::string(what) + "\n" + quoted(folder) + "\n" + why;
}

// The reason, led by the file inside the folder where the problem lies there.
std::string copyProblemReason(const fs::path& folder, const CopyProblem& problem) {
  fs::path inside = problem.path.lexically_relative(folder);
  std::string file = !inside.empty() && inside.native().rfind("..", 0) != 0 ? quoted(inside) + ": " : "";
  return file + problem.reason;
}

bool isFile(const fs::path& path) { return fileExists(findFile(path)); }

// A working folder holds the whole set the main window reads: the stroke
// folder with its character list and page file, and both pictures. A folder
// that merely holds a 般若心経 (as people who copy the sutra by hand keep)
// is not one.
bool holdsWholeSet(const fs::path& folder) {
  const fs::path strokes = folder / kDataFolder;
  return isFile(strokes / kCharacterListName) && isFile(strokes / kPageStrokeFile) &&
         isFile(folder / kStartPicture) && isFile(folder / kBackgroundPicture);
}

bool holdsStrokeFolder(const fs::path& folder) {
  std::error_code ignored;
  return fs::is_directory(folder / kDataFolder, ignored);
}

}  // namespace

fs::path shippedDataFolder(const fs::path& executableFolder) {
  return (executableFolder / ".." / "share" / "sumimai").lexically_normal();
}

WorkingFolderEntered enterWorkingFolder(const WorkingFolderStart& start) {
  std::error_code error;
  fs::path here = fs::current_path(error);
  fs::path shipped = shippedDataFolder(start.executableFolder);
  if (!holdsStrokeFolder(shipped) || (!error && !start.userFolderAlways && holdsWholeSet(here))) return {here, ""};

  fs::path folder = userWorkingFolder(start.xdgDataHome, start.home);
  if (folder.empty())
    return failed("作業フォルダの場所が決まりません。環境変数 HOME も XDG_DATA_HOME も絶対パスではありません。");
  fs::create_directories(folder, error);
  if (error) return failed(folderProblem("作業フォルダを作れません。", folder, systemReason(error.value())));
  if (auto problem = updateUserCopy(shipped, folder, start.version))
    return failed(folderProblem("作業フォルダにデータを用意できません。", folder, copyProblemReason(folder, *problem)));
  fs::current_path(folder, error);
  if (error) return failed(folderProblem("作業フォルダに移れません。", folder, systemReason(error.value())));
  return {folder, ""};
}

}  // namespace sumimai
