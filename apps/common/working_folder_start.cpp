#include "working_folder_start.h"

#include <QCoreApplication>
#include <cstdlib>
#include <string_view>

#include "working_folder/working_folder.h"

namespace sumimai {

bool enterWorkingFolderOrTell(MessageBoxes& messages) {
  WorkingFolderStart start;
  // The executable's own folder (through /proc/self/exe), wherever the
  // package was installed or unpacked.
  start.executableFolder = QCoreApplication::applicationDirPath().toStdString();
  start.version = SUMIMAI_VERSION;
  start.xdgDataHome = std::getenv("XDG_DATA_HOME");
  start.home = std::getenv("HOME");
  const char* folder = std::getenv(kFolderVariable);
  start.userFolderAlways = folder && std::string_view(folder) == "user";
  WorkingFolderEntered entered = enterWorkingFolder(start);
  if (!entered.ok()) messages.show(entered.problem, kWorkingFolderProblemTitle, MessageBoxStyle::kOk);
  return entered.ok();
}

}  // namespace sumimai
