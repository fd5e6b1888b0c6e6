#include "user_folder.h"

namespace sumimai {
namespace fs = std::filesystem;

namespace {

// The variable's value as a path, when it is an absolute one.
fs::path absoluteOrEmpty(const char* value) {
  if (!value || !*value) return {};
  fs::path path(value);
  return path.is_absolute() ? path : fs::path();
}

}  // namespace

fs::path userWorkingFolder(const char* xdgDataHome, const char* home) {
  fs::path data = absoluteOrEmpty(xdgDataHome);
  if (data.empty()) {
    fs::path homeFolder = absoluteOrEmpty(home);
    if (homeFolder.empty()) return {};
    data = homeFolder / ".local" / "share";
  }
  return data / "sumimai";
}

}  // namespace sumimai
