#include "scratch_file.h"

#include <unistd.h>

#include <fstream>
#include <system_error>

namespace sumimai::fuzz {
namespace fs = std::filesystem;
namespace {

class ScratchFolder {
 public:
  ScratchFolder() : path_(fs::temp_directory_path() / ("sumimai-fuzz-" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace

fs::path writeScratchFile(std::string_view name, std::string_view bytes) {
  static const ScratchFolder folder;
  fs::path path = folder.path() / fs::path(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace sumimai::fuzz
