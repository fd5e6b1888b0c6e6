#include "output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "export_error.h"

namespace sumimai {
namespace {

// Written only outside signal handlers; read by them.
char beingWritten[4096] = {};

void noteBeingWritten(const std::filesystem::path& path) {
  const std::string text = path.string();
  if (text.size() >= sizeof beingWritten) return;
  std::memcpy(beingWritten, text.c_str(), text.size() + 1);
}

// The mode a new file gets under the process's umask.
mode_t newFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

const char* temporaryFileBeingWritten() { return beingWritten; }

OutputFile::OutputFile(std::filesystem::path target) : target_(std::move(target)) {
  std::error_code error;
  if (std::filesystem::is_directory(target_, error)) {
    throw ExportError("cannot write " + target_.string() + ": " + std::strerror(EISDIR));
  }
  std::filesystem::path folder = target_.parent_path();
  if (folder.empty()) folder = ".";
  std::string hidden(".");
  hidden.append(target_.filename().string()).append(".XXXXXX");
  const std::string pattern = (folder / hidden).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) {
    throw ExportError("cannot write into the folder " + folder.string() + ": " + std::strerror(errno));
  }
  fchmod(fd, newFileMode());
  close(fd);
  temporary_ = name.data();
  noteBeingWritten(temporary_);
}

OutputFile::~OutputFile() {
  beingWritten[0] = '\0';
  if (!committed_) std::remove(temporary_.c_str());
}

std::string OutputFile::namingTarget(std::string message) const {
  const std::string hidden = temporary_.string();
  const std::string shown = target_.string();
  if (hidden.empty()) return message;
  for (std::size_t at = message.find(hidden); at != std::string::npos; at = message.find(hidden, at + shown.size()))
    message.replace(at, hidden.size(), shown);
  return message;
}

void OutputFile::commit() {
  const int fd = open(temporary_.c_str(), O_RDONLY);
  const bool synced = fd >= 0 && fsync(fd) == 0;
  const int error = errno;
  if (fd >= 0) close(fd);
  if (!synced || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    throw ExportError("cannot write " + target_.string() + ": " + std::strerror(synced ? errno : error));
  }
  committed_ = true;
}

}  // namespace sumimai
