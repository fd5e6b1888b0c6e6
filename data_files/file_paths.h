// File names as the programs build them, mapped onto this file system.
#pragma once

#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
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

// Whether a file name read from data (a character of the list with ".mem")
// names a file inside the folder it is looked up in: no part of it between
// "/" is "..".
bool staysInFolder(std::string_view fileName);

// A data file opened for reading, at the path findFile finds. Only a regular
// file is opened: a named pipe or a device (which could block the program or
// never end) is refused, and opening never waits.
struct OpenedFile {
  enum class Status { Opened, Missing, Unreadable };
  Status status = Status::Missing;
  std::unique_ptr<std::istream> stream;  // binary; set when status is Opened
  std::string reason;                    // why it was Unreadable, in Japanese
  // Why it was not opened, in Japanese ("" when it was).
  std::string problem() const;
};
OpenedFile openDataFile(const std::filesystem::path& path);

// A whole small file read through openDataFile: nothing when it cannot be
// opened or holds more than maxBytes.
std::optional<std::string> readSmallFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace sumimai
