#include "user_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <fstream>
#include <sstream>

#include "copy_record.h"
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

// The files the programs read from the shipped data itself, never copied:
// the character library (8 MB the user's folder need not hold).
bool isReadInPlace(const fs::path& relative) { return relative == fs::path(kLibraryFileName); }

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
  if (written.ok) return std::nullopt;
  return CopyProblem{target, written.problem};
}

std::optional<std::string> readWhole(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  if (!in || !(content << in.rdbuf())) return std::nullopt;
  return content.str();
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
    std::optional<std::string> content = readWhole(target);
    return content && contentFingerprint(*content) == *copied;
  }

  std::optional<CopyProblem> copyFile(const fs::path& from, const fs::path& to, const fs::path& relative) {
    std::optional<std::string> content = readWhole(from);
    if (!content) return problemAt(from, errno ? errno : EIO);
    if (auto problem = writeFile(to, *content)) return problem;
    after.set(relative, contentFingerprint(*content));
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
    if (entry.is_directory(error)) {
      fs::path target = folder / relative;
      if (!fs::is_directory(target, error)) fs::create_directory(target, error);
      return error ? problemAt(target, error.value()) : std::nullopt;
    }
    if (!entry.is_regular_file(error) || isReadInPlace(relative)) return std::nullopt;
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

std::optional<CopyProblem> updateUserCopy(const fs::path& shipped, const fs::path& folder, std::string_view version) {
  FolderLock lock(folder);
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
