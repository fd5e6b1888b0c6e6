#include "user_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <fstream>
#include <sstream>

#include "data_files/file_writing.h"
#include "data_files/settings_file.h"

namespace sumimai {
namespace fs = std::filesystem;

namespace {

// The files the programs write into their working folder.
const std::array<fs::path, 2> kUsersFiles{fs::path(kSettingsFileName), fs::path(kPagePicture)};

bool isUsersFile(const fs::path& relative) {
  for (const fs::path& name : kUsersFiles)
    if (relative == name) return true;
  return false;
}

std::optional<CopyProblem> problemAt(const fs::path& path, int error) {
  return CopyProblem{path, systemReason(error)};
}

// An exclusive lock on the folder's lock file for as long as it lives.
// Opening the lock file for writing also proves the folder writable.
class FolderLock {
 public:
  explicit FolderLock(const fs::path& folder) : path_(folder / kCopyLockName) {
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0 || ::flock(fd_, LOCK_EX) != 0) error_ = errno;
  }
  ~FolderLock() {
    if (fd_ >= 0) ::close(fd_);  // releases the lock
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  std::optional<CopyProblem> problem() const { return error_ ? problemAt(path_, error_) : std::nullopt; }

 private:
  fs::path path_;
  int fd_ = -1;
  int error_ = 0;
};

std::string stampIn(const fs::path& folder) {
  std::ifstream in(folder / kVersionStampName, std::ios::binary);
  std::string version;
  std::getline(in, version);
  return version;
}

std::optional<CopyProblem> writeFile(const fs::path& target, const std::string& content) {
  FileWrite written = replaceFile(target, content);
  if (written.ok()) return std::nullopt;
  return CopyProblem{target, written.problem};
}

std::optional<CopyProblem> copyFile(const fs::path& from, const fs::path& to) {
  std::ifstream in(from, std::ios::binary);
  std::ostringstream content;
  if (!(content << in.rdbuf())) return problemAt(from, errno ? errno : EIO);
  return writeFile(to, content.str());
}

std::optional<CopyProblem> copyEntry(const fs::directory_entry& entry, const fs::path& shipped,
                                     const fs::path& folder) {
  fs::path relative = entry.path().lexically_relative(shipped);
  fs::path target = folder / relative;
  std::error_code error;
  if (entry.is_directory(error)) {
    if (!fs::is_directory(target, error)) fs::create_directory(target, error);
    return error ? problemAt(target, error.value()) : std::nullopt;
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
  return error ? problemAt(shipped, error.value()) : std::nullopt;
}

}  // namespace

std::optional<CopyProblem> updateUserCopy(const fs::path& shipped, const fs::path& folder, std::string_view version) {
  FolderLock lock(folder);
  if (auto problem = lock.problem()) return problem;
  if (stampIn(folder) == version) return std::nullopt;
  if (auto problem = copyAll(shipped, folder)) return problem;
  return writeFile(folder / kVersionStampName, std::string(version) + "\n");
}

}  // namespace sumimai
