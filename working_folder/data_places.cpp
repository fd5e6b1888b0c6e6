#include "data_places.h"

#include <string>

#include "data_files/file_paths.h"
#include "working_folder.h"

namespace sumimai {
namespace fs = std::filesystem;

namespace {

bool isFolder(const fs::path& path) {
  std::error_code ignored;
  return fs::is_directory(path, ignored);
}

bool holdsStrokeFolder(const fs::path& data) { return isFolder(data / kDataFolder); }

// The source tree's data folder named by the note of the build folder that
// holds programFolder, or nothing.
std::optional<fs::path> sourceDataOf(const fs::path& programFolder) {
  for (fs::path at = programFolder; !at.empty(); at = at.parent_path()) {
    std::error_code ignored;
    if (fs::is_regular_file(at / kSourceDataNote, ignored)) {
      std::optional<std::string> text = readSmallFile(at / kSourceDataNote, 4096);
      const std::string line = text ? text->substr(0, text->find('\n')) : "";
      if (line.empty()) return std::nullopt;
      return fs::path(line);
    }
    if (at == at.parent_path()) break;
  }
  return std::nullopt;
}

}  // namespace

std::vector<fs::path> DataPlaces::strokeFolders() const {
  std::vector<fs::path> folders{workingFolder / kDataFolder};
  for (const fs::path& data : shipped) folders.push_back(data / kDataFolder);
  return folders;
}

std::vector<fs::path> DataPlaces::libraryFiles(Tradition tradition) const {
  const std::string name = libraryFileName(tradition);
  std::vector<fs::path> files{workingFolder / name};
  for (const fs::path& data : shipped) files.push_back(data / name);
  return files;
}

std::optional<fs::path> DataPlaces::findStrokeFolderFile(std::string_view name) const {
  for (const fs::path& folder : strokeFolders()) {
    const fs::path file = findFile(folder / std::string(name));
    if (fileExists(file)) return file;
  }
  return std::nullopt;
}

fs::path runningProgramFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : program.parent_path();
}

std::vector<fs::path> shippedDataFolders(const fs::path& programFolder) {
  std::vector<fs::path> folders;
  if (programFolder.empty()) return folders;
  if (const fs::path installed = shippedDataFolder(programFolder); holdsStrokeFolder(installed)) {
    folders.push_back(installed);
  }
  if (std::optional<fs::path> source = sourceDataOf(programFolder); source && holdsStrokeFolder(*source)) {
    folders.push_back(*source);
  }
  return folders;
}

DataPlaces programDataPlaces() { return {fs::path(), shippedDataFolders(runningProgramFolder())}; }

}  // namespace sumimai
