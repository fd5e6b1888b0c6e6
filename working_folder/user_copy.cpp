#include "user_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <iterator>
#include <thread>

#include "data_files/file_paths.h"
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
// Opening the lock file for writing also proves the folder writable. The
// lock file must be a regular file (a named pipe or a link planted there is
// refused); a lock that another start holds is waited for up to `patience`,
// then told.
class FolderLock {
 public:
  FolderLock(const fs::path& folder, std::chrono::milliseconds patience) : path_(folder / kCopyLockName) {
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    struct stat status {};
    if (fd_ < 0 || ::fstat(fd_, &status) != 0) {
      problem_ = problemAt(path_, errno);
    } else if (!S_ISREG(status.st_mode)) {
      problem_ = CopyProblem{path_, "普通のファイルではありません。"};
    } else if (!lockWithin(patience)) {
      problem_ = CopyProblem{path_, errno == EWOULDBLOCK ? std::string(kAnotherStartCopying) : systemReason(errno)};
    }
  }
  ~FolderLock() {
    if (fd_ >= 0) ::close(fd_);  // releases the lock
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  const std::optional<CopyProblem>& problem() const { return problem_; }

 private:
  bool lockWithin(std::chrono::milliseconds patience) {
    const auto end = std::chrono::steady_clock::now() + patience;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      if (errno != EWOULDBLOCK && errno != EINTR) return false;
      if (std::chrono::steady_clock::now() >= end) {
        errno = EWOULDBLOCK;
        return false;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
  }

  fs::path path_;
  int fd_ = -1;
  std::optional<CopyProblem> problem_;
};

// The version named by the folder's stamp; "" when there is none or it is
// not a small regular file.
std::string stampIn(const fs::path& folder) {
  std::optional<std::string> text = readSmallFile(folder / kVersionStampName, 256);
  if (!text) return "";
  return text->substr(0, text->find('\n'));
}

// The first folder on the way from folder to target (folder itself aside)
// that is a symbolic link: writing there would write outside the folder.
std::optional<fs::path> linkOnTheWay(const fs::path& folder, const fs::path& relative) {
  fs::path at = folder;
  for (const fs::path& part : relative.parent_path()) {
    at /= part;
    std::error_code error;
    if (fs::is_symlink(at, error)) return at;
  }
  return std::nullopt;
}

std::optional<CopyProblem> writeFile(const fs::path& target, const std::string& content) {
  FileWrite written = replaceFile(target, content);
  if (written.ok) return std::nullopt;
  return CopyProblem{target, written.problem};
}

std::optional<CopyProblem> copyFile(const fs::path& from, const fs::path& to) {
  OpenedFile in = openDataFile(from);
  if (in.status != OpenedFile::Status::Opened) return CopyProblem{from, in.problem()};
  std::string content{std::istreambuf_iterator<char>(*in.stream), std::istreambuf_iterator<char>()};
  if (in.stream->bad()) return problemAt(from, EIO);
  return writeFile(to, content);
}

std::optional<CopyProblem> copyEntry(const fs::directory_entry& entry, const fs::path& shipped,
                                     const fs::path& folder) {
  fs::path relative = entry.path().lexically_relative(shipped);
  fs::path target = folder / relative;
  std::error_code error;
  if (entry.is_directory(error)) relative /= "";  // the folder itself is on the way
  if (std::optional<fs::path> link = linkOnTheWay(folder, relative)) return CopyProblem{*link, kLinkRefused};
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

std::optional<CopyProblem> updateUserCopy(const fs::path& shipped, const fs::path& folder, std::string_view version,
                                          std::chrono::milliseconds patience) {
  FolderLock lock(folder, patience);
  if (auto problem = lock.problem()) return problem;
  if (stampIn(folder) == version) return std::nullopt;
  if (auto problem = copyAll(shipped, folder)) return problem;
  return writeFile(folder / kVersionStampName, std::string(version) + "\n");
}

}  // namespace sumimai
