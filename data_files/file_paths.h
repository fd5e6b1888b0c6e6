// File names as the programs build them, mapped onto this file system.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "folder_files.h"

namespace sumimai {

// The path of a file in the data folder as the user is told of it:
// the folder name, "\" and the file name.
std::string dataFileDisplayName(std::string_view fileName);

// The same file on disk: the folder, "/" and the file name.
std::filesystem::path dataFilePath(std::string_view fileName);

// The path itself if it exists; otherwise a path whose components differ
// from it only in the letter case of ASCII letters, as a case-insensitive
// file system would find it; otherwise the path unchanged.
std::filesystem::path findFile(const std::filesystem::path& path);

// Whether a regular file (or a link to one) exists at the path found by findFile.
bool fileExists(const std::filesystem::path& path);

// A data file opened for reading, at the path findFile finds.
struct OpenedFile {
  enum class Status { Opened, Missing, Unreadable };
  Status status = Status::Missing;
  std::ifstream stream;  // binary; open when status is Opened
  // Why it was not opened, in Japanese ("" when it was).
  std::string problem() const;
};
OpenedFile openDataFile(const std::filesystem::path& path);

}  // namespace sumimai
