// Scratch folders for tests that read and write files relative to the
// current directory, as the programs do.
#pragma once

#include <filesystem>
#include <string>

namespace sumimai::testing {

// Makes a fresh empty folder, enters it, and on destruction leaves it and
// removes it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

// While it lives, writes may grow a file to `bytes` at most, as on a disk
// that fills up: a write beyond fails with EFBIG ("File too large") instead
// of raising SIGXFSZ.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(unsigned long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  unsigned long before_ = 0;
  void (*previousHandler_)(int) = nullptr;
};

// Writes bytes to a file, making its folder first.
void writeFile(const std::filesystem::path& path, const std::string& bytes);
std::string readFile(const std::filesystem::path& path);

}  // namespace sumimai::testing
