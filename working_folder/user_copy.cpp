#include "user_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>

#include "data_files/settings_file.h"

namespace sumimai {
namespace fs = std::filesystem;

namespace {

// The files the programs write into their working folder (the page picture
// is named by the main window's texts).
const std::array<fs::path, 2> kUsersFiles{fs::path(kSettingsFileName), fs::path("般若心経.bmp")};

bool isUsersFile(const fs::path& relative) {
  for (const fs::path& name : kUsersFiles)
    if (relative == name) return true;
  return false;
}

// An exclusive lock on the folder's lock file for as long as it lives.
// Opening the lock file for writing also proves the folder writable.
class FolderLock {
 public:
  explicit FolderLock(const fs::path& folder) : path_(folder / kCopyLockName) {
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0 || ::flock(fd_, LOCK_EX) != 0) error_ = std::error_code(errno, std::generic_category());
  }
  ~FolderLock() {
    if (fd_ >= 0) ::close(fd_);  // releases the lock
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  std::optional<CopyProblem> problem() const {
    if (!error_) return std::nullopt;
    return CopyProblem{path_, error_};
  }

 private:
  fs::path path_;
  int fd_ = -1;
  std::error_code error_;
};

std::string stampIn(const fs::path& folder) {
  std::ifstream in(folder / kVersionStampName, std::ios::binary);
  std::string version;
  std::getline(in, version);
  return version;
}

// Writes a file under a temporary name beside it and renames it into place.
template <typename Write>
std::optional<CopyProblem> replaceFile(const fs::path& target, Write write) {
  fs::path temporary = target;
  temporary += ".sumimai-new";
  std::error_code error;
  write(temporary, error);
  if (!error) fs::rename(temporary, target, error);
  if (!error) return std::nullopt;
  std::error_code ignored;
  fs::remove(temporary, ignored);
  return CopyProblem{target, error};
}

std::optional<CopyProblem> copyFile(const fs::path& from, const fs::path& to) {
  return replaceFile(to, [&](const fs::path& temporary, std::error_code& error) {
    fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error);
  });
}

std::optional<CopyProblem> writeStamp(const fs::path& folder, std::string_view version) {
  return replaceFile(folder / kVersionStampName, [&](const fs::path& temporary, std::error_code& error) {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << version << '\n';
    out.close();
    if (!out) error = std::make_error_code(std::errc::io_error);
  });
}

std::optional<CopyProblem> copyEntry(const fs::directory_entry& entry, const fs::path& shipped,
                                     const fs::path& folder) {
  fs::path relative = entry.path().lexically_relative(shipped);
  fs::path target = folder / relative;
  std::error_code error;
  if (entry.is_directory(error)) {
    if (!fs::is_directory(target, error)) fs::create_directory(target, error);
    return error ? std::optional<CopyProblem>(CopyProblem{target, error}) : std::nullopt;
  }
  if (!entry.is_regular_file(error)) return std::nullopt;
  if (isUsersFile(relative) && fs::exists(target, error)) return std::nullopt;
  return copyFile(entry.path(), target);
}

std::optional<CopyProblem> copyAll(const fs::path& shipped, const fs::path& folder) {
  std::error_code error;
  fs::recursive_directory_iterator it(shipped, error), end;
  for (; !error && it != end; it.increment(error)) {
    if (auto problem = copyEntry(*it, shipped, folder)) return problem;
  }
  if (error) return CopyProblem{shipped, error};
  return std::nullopt;
}

}  // namespace

std::optional<CopyProblem> updateUserCopy(const fs::path& shipped, const fs::path& folder, std::string_view version) {
  FolderLock lock(folder);
  if (auto problem = lock.problem()) return problem;
  if (stampIn(folder) == version) return std::nullopt;
  if (auto problem = copyAll(shipped, folder)) return problem;
  return writeStamp(folder, version);
}

}  // namespace sumimai
