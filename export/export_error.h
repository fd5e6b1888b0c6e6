// What goes wrong while exporting: a message that names the file or the
// value at fault and what is wrong with it.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "core/user_language.h"

namespace sumimai {

class ExportError : public std::runtime_error {
 public:
  explicit ExportError(const std::string& message) : std::runtime_error(message) {}
};

// A message of the export in the user's language, its %1, %2, ... filled in.
inline ExportError exportError(const char* english, std::initializer_list<std::string_view> arguments = {}) {
  return ExportError(filledIn(userText("Export", english), arguments));
}

// "cannot write FILE: why".
inline ExportError cannotWrite(const std::filesystem::path& file, std::string_view why) {
  return exportError("cannot write %1: %2", {file.string(), why});
}
// "cannot write FILE (step): why", where the step is the writer's own.
inline ExportError cannotWrite(const std::filesystem::path& file, std::string_view step, std::string_view why) {
  return exportError("cannot write %1 (%2): %3", {file.string(), step, why});
}

}  // namespace sumimai
