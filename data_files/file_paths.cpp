#include "file_paths.h"

#include <system_error>

namespace sumimai {
namespace fs = std::filesystem;
namespace {

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

}  // namespace

std::string dataFileDisplayName(std::string_view fileName) {
  return std::string(kDataFolder) + "\\" + std::string(fileName);
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

OpenedFile openDataFile(const fs::path& path) {
  OpenedFile file;
  const fs::path found = findFile(path);
  std::error_code ec;
  if (!fs::exists(found, ec)) return file;
  file.status = OpenedFile::Status::Unreadable;
  if (fs::is_directory(found, ec)) return file;
  file.stream.open(found, std::ios::binary);
  if (file.stream) file.status = OpenedFile::Status::Opened;
  return file;
}

std::string OpenedFile::problem() const {
  switch (status) {
    case Status::Missing:
      return "ファイルがありません。";
    case Status::Unreadable:
      return "ファイルを開けません。";
    case Status::Opened:
      break;
  }
  return "";
}

}  // namespace sumimai
