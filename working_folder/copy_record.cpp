#include "copy_record.h"

#include <charconv>
#include <sstream>

#include "data_files/file_paths.h"

namespace sumimai {
namespace fs = std::filesystem;

namespace {

// Far above any honest record (a few hundred lines); a larger file is not
// one of ours and is read no further.
constexpr std::size_t kLongestRecord = 1 << 20;

}  // namespace

std::uint64_t contentFingerprint(std::string_view content) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (unsigned char byte : content) {
    hash ^= byte;
    hash *= 1099511628211ULL;
  }
  return hash;
}

CopyRecord CopyRecord::readFrom(const fs::path& folder) {
  CopyRecord record;
  const std::optional<std::string> text = readSmallFile(folder / kCopyRecordName, kLongestRecord);
  if (!text) return record;
  std::istringstream in(*text);
  for (std::string line; std::getline(in, line);) {
    const std::size_t space = line.find(' ');
    if (space == std::string::npos || space + 1 == line.size()) continue;
    std::uint64_t fingerprint = 0;
    auto [end, problem] = std::from_chars(line.data(), line.data() + space, fingerprint, 16);
    if (problem != std::errc() || end != line.data() + space) continue;
    record.fingerprints_[line.substr(space + 1)] = fingerprint;
  }
  return record;
}

std::optional<std::uint64_t> CopyRecord::find(const fs::path& relative) const {
  auto it = fingerprints_.find(relative.generic_string());
  if (it == fingerprints_.end()) return std::nullopt;
  return it->second;
}

void CopyRecord::set(const fs::path& relative, std::uint64_t fingerprint) {
  fingerprints_[relative.generic_string()] = fingerprint;
}

std::string CopyRecord::text() const {
  std::string text;
  char digits[17];
  for (const auto& [name, fingerprint] : fingerprints_) {
    auto [end, ignored] = std::to_chars(digits, digits + sizeof digits, fingerprint, 16);
    text.append(digits, end).append(" ").append(name).append("\n");
  }
  return text;
}

}  // namespace sumimai
