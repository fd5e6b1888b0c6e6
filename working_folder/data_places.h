// Where the programs find their data, however they were started: the
// working folder (the current directory) first, then the shipped data of
// the running program. The one place that knows where the shipped data
// lies: share/sumimai beside the program's bin folder once installed (under
// any prefix), and the source tree's data/ for a program in a build folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "data_files/tradition.h"

namespace sumimai {

// The file CMake writes at the top of every build folder: the absolute path
// of the source tree's data folder, on one line. A program that lies below
// a folder holding it reads the source tree's data.
inline constexpr char kSourceDataNote[] = "sumimai-source-data";

struct DataPlaces {
  // The working folder; empty for the current directory, whose files are
  // then named relatively ("般若心経/色.mem").
  std::filesystem::path workingFolder;
  // The shipped data folders, the first asked first.
  std::vector<std::filesystem::path> shipped;

  // The stroke folder 般若心経 of the working folder, then those of the
  // shipped data.
  std::vector<std::filesystem::path> strokeFolders() const;
  // The tradition's character library in the working folder, then in the
  // shipped data (whether they exist or not).
  std::vector<std::filesystem::path> libraryFiles(Tradition tradition = Tradition::Japanese) const;
  // A file of the stroke folders (文字2.csv, 般若心経.mem): the first that
  // has it, letter case aside (data_files/file_paths.h), or nothing.
  std::optional<std::filesystem::path> findStrokeFolderFile(std::string_view name) const;
};

// The folder that holds the running program's own file (/proc/self/exe,
// links resolved), never derived from argv[0] or the current directory;
// empty when the system does not say.
std::filesystem::path runningProgramFolder();

// The shipped data folders for a program in programFolder that exist: the
// installed data (shippedDataFolder of working_folder.h), then the source
// tree's data named by the build folder's kSourceDataNote.
std::vector<std::filesystem::path> shippedDataFolders(const std::filesystem::path& programFolder);

// The running program's places: the current directory and its shipped data.
DataPlaces programDataPlaces();

}  // namespace sumimai
