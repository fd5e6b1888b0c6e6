#include "test_files.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

namespace sumimai::testing {
namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() : previous_(fs::current_path()) {
  std::string pattern = (fs::temp_directory_path() / "sumimai-test-XXXXXX").string();
  char* made = ::mkdtemp(pattern.data());
  path_ = made ? fs::path(made) : fs::temp_directory_path();
  fs::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  fs::current_path(previous_, ec);
  fs::remove_all(path_, ec);
}

void writeFile(const fs::path& path, const std::string& bytes) {
  if (path.has_parent_path()) fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace sumimai::testing
