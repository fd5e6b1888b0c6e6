#include "replacing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <pthread.h>

#include <csignal>
#include <cstring>
#include <mutex>
#include <vector>

namespace sumimai {
namespace fs = std::filesystem;
namespace {

// The temporary files being written, for the signal handler: a slot is
// filled before it is marked used, and the handler reads only used slots.
struct Slot {
  char path[4096];
  volatile std::sig_atomic_t used;
};
Slot slots[16];
std::mutex slotsMutex;

int claimSlot(const fs::path& path) {
  const std::string text = path.string();
  std::lock_guard<std::mutex> lock(slotsMutex);
  if (text.size() >= sizeof slots[0].path) return -1;
  for (int i = 0; i < static_cast<int>(std::size(slots)); ++i) {
    if (slots[i].used) continue;
    std::memcpy(slots[i].path, text.c_str(), text.size() + 1);
    slots[i].used = 1;
    return i;
  }
  return -1;
}

void releaseSlot(int slot) {
  if (slot < 0) return;
  std::lock_guard<std::mutex> lock(slotsMutex);
  slots[slot].used = 0;
}

extern "C" void removeTemporariesAndEnd(int signal) {
  for (Slot& s : slots)
    if (s.used) ::unlink(s.path);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// Holds the ending signals back while alive: a temporary file created and
// recorded under it is never left behind by a signal that comes in between.
class EndingSignalsHeld {
 public:
  EndingSignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (int signal : kEndingSignals) sigaddset(&held, signal);
    pthread_sigmask(SIG_BLOCK, &held, &before_);
  }
  ~EndingSignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
  EndingSignalsHeld(const EndingSignalsHeld&) = delete;
  EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

 private:
  sigset_t before_{};
};

std::string hiddenPrefix(const fs::path& target) {
  std::string prefix(".");
  prefix.append(target.filename().string()).append(".");
  return prefix;
}

// Whether name is a temporary file of target's written by a process that no
// longer runs: the prefix, a process number, "." and mkstemp's six letters.
bool leftByAnEndedProcess(const std::string& name, const std::string& prefix) {
  if (name.compare(0, prefix.size(), prefix) != 0) return false;
  const std::string rest = name.substr(prefix.size());
  const std::size_t dot = rest.find('.');
  if (dot == 0 || dot == std::string::npos || dot > 9 || rest.size() != dot + 7) return false;
  for (std::size_t i = 0; i < dot; ++i)
    if (rest[i] < '0' || rest[i] > '9') return false;
  const pid_t pid = static_cast<pid_t>(std::stol(rest.substr(0, dot)));
  return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

void removeLeftovers(const fs::path& folder, const fs::path& target) {
  const std::string prefix = hiddenPrefix(target);
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (leftByAnEndedProcess(it->path().filename().string(), prefix)) ::unlink(it->path().c_str());
  }
}

// The permission bits of the file replaced, or those a new file gets.
mode_t modeFor(const fs::path& target) {
  struct stat status {};
  if (::stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode)) return status.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

ReplacingFile::ReplacingFile(fs::path target) : target_(std::move(target)) {
  struct stat status {};
  if (::stat(target_.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
    fail(Step::Create, EISDIR);
    return;
  }
  const fs::path folder = target_.parent_path().empty() ? fs::path(".") : target_.parent_path();
  removeLeftovers(folder, target_);
  std::string hidden = hiddenPrefix(target_);
  hidden.append(std::to_string(::getpid())).append(".XXXXXX");
  const std::string pattern = (folder / hidden).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  {
    const EndingSignalsHeld held;
    descriptor_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (descriptor_ < 0) {
      fail(Step::Create, errno);
      return;
    }
    temporary_ = name.data();
    slot_ = claimSlot(temporary_);
  }
  if (::fchmod(descriptor_, modeFor(target_)) != 0) fail(Step::Create, errno);
}

ReplacingFile::~ReplacingFile() {
  if (descriptor_ >= 0) ::close(descriptor_);
  if (!committed_ && !temporary_.empty()) ::unlink(temporary_.c_str());
  releaseSlot(slot_);
}

void ReplacingFile::fail(Step step, int error) {
  if (error_ != 0) return;
  error_ = error;
  step_ = step;
}

bool ReplacingFile::write(const std::string& bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (error_ == 0 && left > 0) {
    const ssize_t n = ::write(descriptor_, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) fail(Step::Write, n < 0 ? errno : ENOSPC);
    if (n <= 0) break;
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  return error_ == 0;
}

bool ReplacingFile::commit() {
  if (error_ != 0) return false;
  if (::fsync(descriptor_) != 0) fail(Step::Flush, errno);
  const int fd = descriptor_;
  descriptor_ = -1;
  if (::close(fd) != 0) fail(Step::Write, errno);
  if (error_ == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) fail(Step::Rename, errno);
  committed_ = error_ == 0;
  if (committed_) releaseSlot(slot_), slot_ = -1;
  return committed_;
}

void removeTemporaryFilesOnSignals() {
  for (int signal : kEndingSignals) std::signal(signal, removeTemporariesAndEnd);
}

}  // namespace sumimai
