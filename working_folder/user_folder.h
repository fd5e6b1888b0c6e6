// Where a user's own working folder lives, by the XDG base directory rules:
// $XDG_DATA_HOME/sumimai, or $HOME/.local/share/sumimai when XDG_DATA_HOME
// is unset, empty or not an absolute path.
#pragma once

#include <filesystem>

namespace sumimai {

// Empty when neither variable gives an absolute path. Either may be null.
std::filesystem::path userWorkingFolder(const char* xdgDataHome, const char* home);

}  // namespace sumimai
