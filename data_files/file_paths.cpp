#include "file_paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ext/stdio_filebuf.h>
#include <system_error>

#include "core/printable.h"
#include "core/user_language.h"
#include "file_writing.h"

namespace sumimai {
namespace fs = std::filesystem;
namespace {

constexpr char kMessages[] = "DataFiles";

bool sameIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The entry of dir whose name matches name ignoring case, or an empty path.
fs::path matchInFolder(const fs::path& dir, const std::string& name) {
  std::error_code ec;
  fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
  if (ec) return {};
  for (const fs::directory_entry& entry : it) {
    std::string candidate = entry.path().filename().string();
    if (sameIgnoringAsciiCase(candidate, name)) return dir / candidate;
  }
  return {};
}

// An input stream over an open file descriptor, which it closes.
class DescriptorStream : public std::istream {
 public:
  explicit DescriptorStream(int fd) : std::istream(nullptr), buffer_(fd, std::ios::in | std::ios::binary) {
    rdbuf(&buffer_);
  }

 private:
  __gnu_cxx::stdio_filebuf<char> buffer_;
};

}  // namespace

std::string dataFileDisplayName(std::string_view fileName) {
  return std::string(kDataFolder) + "\\" + printable(fileName);
}

// The name is appended to the folder as text, not joined as a path: a name
// that begins with "/" (a character read from the character list) still
// names a file inside the folder instead of replacing the folder.
fs::path dataFilePath(std::string_view fileName) {
  return fs::path(std::string(kDataFolder) + "/" + std::string(fileName));
}

fs::path findFile(const fs::path& path) {
  std::error_code ec;
  if (fs::exists(path, ec)) return path;
  fs::path found;
  for (const fs::path& part : path) {
    std::string name = part.string();
    if (name.empty() || name == "/" || name == "." || name == "..") {
      found /= part;
      continue;
    }
    fs::path exact = found / part;
    if (fs::exists(exact, ec)) {
      found = exact;
      continue;
    }
    fs::path match = matchInFolder(found, name);
    if (match.empty()) return path;
    found = match;
  }
  return found;
}

bool fileExists(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(findFile(path), ec);
}

bool staysInFolder(std::string_view fileName) {
  std::size_t start = 0;
  while (true) {
    const std::size_t end = fileName.find('/', start);
    if (fileName.substr(start, end == std::string_view::npos ? end : end - start) == "..") return false;
    if (end == std::string_view::npos) return true;
    start = end + 1;
  }
}

OpenedFile openDataFile(const fs::path& path) {
  OpenedFile file;
  const fs::path found = findFile(path);
  // O_NONBLOCK: opening a named pipe does not wait for a writer.
  const int fd = ::open(found.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) return file;
  file.status = OpenedFile::Status::Unreadable;
  struct stat status {};
  if (fd < 0 || ::fstat(fd, &status) != 0) {
    file.reason = filledIn(userText(kMessages, "ファイルを開けません（%1）。"), {systemReason(errno)});
  } else if (!S_ISREG(status.st_mode)) {
    file.reason = S_ISDIR(status.st_mode)
                      ? userText(kMessages, "ファイルではなくフォルダです。")
                      : userText(kMessages, "普通のファイルではありません（名前付きパイプや装置は読みません）。");
  } else {
    file.stream = std::make_unique<DescriptorStream>(fd);
    file.status = OpenedFile::Status::Opened;
    return file;
  }
  if (fd >= 0) ::close(fd);
  return file;
}

std::string OpenedFile::problem() const {
  switch (status) {
    case Status::Missing:
      return userText(kMessages, "ファイルがありません。");
    case Status::Unreadable:
      return reason.empty() ? userText(kMessages, "ファイルを開けません。") : reason;
    case Status::Opened:
      break;
  }
  return "";
}

std::optional<std::string> readSmallFile(const fs::path& path, std::size_t maxBytes) {
  OpenedFile file = openDataFile(path);
  if (file.status != OpenedFile::Status::Opened) return std::nullopt;
  std::string bytes(maxBytes + 1, '\0');
  file.stream->read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  const auto got = static_cast<std::size_t>(file.stream->gcount());
  if (got > maxBytes || file.stream->bad()) return std::nullopt;
  bytes.resize(got);
  return bytes;
}

}  // namespace sumimai
