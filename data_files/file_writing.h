// Writing a file so that a failure loses nothing: the new content goes to a
// temporary file beside the old one and replaces it only when it is whole.
#pragma once

#include <filesystem>
#include <string>

namespace sumimai {

struct [[nodiscard]] FileWrite {
  bool ok = false;
  std::string problem;  // in Japanese, with the system's reason
};

// Replaces the file with new content as one step through a ReplacingFile
// (replacing_file.h): a failed or interrupted save (a full disk, no
// permission) leaves the old file whole and no temporary file behind, and a
// symbolic link planted in the folder is never written through.
FileWrite replaceFile(const std::filesystem::path& path, const std::string& content);

// The system's reason for a failed file operation (an errno value): in
// Japanese where it is one a user meets (a full disk, no permission, a
// read-only disk, ...), followed by the system's own words.
std::string systemReason(int error);

}  // namespace sumimai
