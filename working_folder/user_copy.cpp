#include "user_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <iterator>
#include <thread>

#include "copy_record.h"
#include "data_files/file_paths.h"
#include "data_files/file_writing.h"
#include "data_files/folder_files.h"
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

// What the programs read from the installed data itself, never copied: the
// character libraries of every writing tradition (some 20 MB the user's
// folder need not hold) and the catalogues of their messages.
bool isReadInPlace(const fs::path& relative) {
  const bool library = relative.parent_path().empty() && relative.extension() == fs::path(kLibraryFileName).extension();
  return library || *relative.begin() == fs::path(kTranslationsFolder);
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
  if (written.ok()) return std::nullopt;
  return CopyProblem{target, written.problem};
}

// A file's whole content, read only from a regular file (a named pipe or a
// device under its name is refused); the problem otherwise.
struct FileContent {
  std::optional<std::string> content;
  std::optional<CopyProblem> problem;
};

FileContent readWhole(const fs::path& file) {
  OpenedFile in = openDataFile(file);
  if (in.status != OpenedFile::Status::Opened) return {std::nullopt, CopyProblem{file, in.problem()}};
  std::string content{std::istreambuf_iterator<char>(*in.stream), std::istreambuf_iterator<char>()};
  if (in.stream->bad()) return {std::nullopt, problemAt(file, EIO)};
  return {std::move(content), std::nullopt};
}

// One pass over the shipped data: what it is to do and what it did.
struct CopyPass {
  const fs::path& shipped;
  const fs::path& folder;
  bool upgrade;             // the folder's stamp names another version
  const CopyRecord& before;  // what earlier passes copied
  CopyRecord after;

  // Whether an upgrade may replace the file: it still holds what was copied
  // (a folder from before the record counts as untouched).
  bool untouched(const fs::path& target, const fs::path& relative) const {
    std::optional<std::uint64_t> copied = before.find(relative);
    if (!copied) return true;
    const FileContent read = readWhole(target);
    return read.content && contentFingerprint(*read.content) == *copied;
  }

  std::optional<CopyProblem> copyFile(const fs::path& from, const fs::path& to, const fs::path& relative) {
    const FileContent read = readWhole(from);
    if (!read.content) return read.problem;
    if (auto problem = writeFile(to, *read.content)) return problem;
    after.set(relative, contentFingerprint(*read.content));
    return std::nullopt;
  }

  // A missing file is always copied (a shipped file the user deleted comes
  // back); an existing one only by an upgrade, and only while untouched.
  std::optional<CopyProblem> file(const fs::path& from, const fs::path& relative) {
    const fs::path target = folder / relative;
    std::error_code error;
    const bool exists = fs::exists(fs::symlink_status(target, error));
    if (exists && (!upgrade || isUsersFile(relative) || !untouched(target, relative))) {
      if (std::optional<std::uint64_t> copied = before.find(relative)) after.set(relative, *copied);
      return std::nullopt;
    }
    return copyFile(from, target, relative);
  }

  std::optional<CopyProblem> entry(const fs::directory_entry& entry) {
    fs::path relative = entry.path().lexically_relative(shipped);
    std::error_code error;
    const bool isFolder = entry.is_directory(error);
    // Never through a link: writing there would write outside the folder.
    if (std::optional<fs::path> link = linkOnTheWay(folder, isFolder ? relative / "" : relative))
      return CopyProblem{*link, kLinkRefused};
    if (isReadInPlace(relative)) return std::nullopt;
    if (isFolder) {
      fs::path target = folder / relative;
      if (!fs::is_directory(target, error)) fs::create_directory(target, error);
      return error ? problemAt(target, error.value()) : std::nullopt;
    }
    if (!entry.is_regular_file(error)) return std::nullopt;
    return file(entry.path(), relative);
  }

  std::optional<CopyProblem> all() {
    std::error_code error;
    fs::recursive_directory_iterator it(shipped, error), end;
    for (; !error && it != end; it.increment(error)) {
      if (auto problem = entry(*it)) return problem;
    }
    return error ? problemAt(shipped, error.value()) : std::nullopt;
  }
};

// The copy of the character library that earlier versions made: the
// programs read the shipped one now.
void removeOldLibraryCopy(const fs::path& folder) {
  std::error_code error;
  const fs::path copy = folder / kLibraryFileName;
  if (fs::is_regular_file(fs::symlink_status(copy, error))) fs::remove(copy, error);
}

}  // namespace

std::optional<CopyProblem> updateUserCopy(const fs::path& shipped, const fs::path& folder, std::string_view version,
                                          std::chrono::milliseconds patience) {
  FolderLock lock(folder, patience);
  if (auto problem = lock.problem()) return problem;
  const CopyRecord before = CopyRecord::readFrom(folder);
  CopyPass pass{shipped, folder, stampIn(folder) != version, before, {}};
  if (auto problem = pass.all()) return problem;
  if (pass.after.text() != before.text()) {
    if (auto problem = writeFile(folder / kCopyRecordName, pass.after.text())) return problem;
  }
  if (!pass.upgrade) return std::nullopt;
  removeOldLibraryCopy(folder);
  return writeFile(folder / kVersionStampName, std::string(version) + "\n");
}

}  // namespace sumimai
