// The record of what the user's copy received from the shipped data: for
// each file copied, a fingerprint of the content written. An upgrade
// replaces a file only while it still holds what was copied, so a stroke
// file the user changed (it may be the user's own work) is left alone.
// The record lives in the user's folder as a hidden text file, one
// "<fingerprint> <relative path>" line per file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace sumimai {

inline constexpr char kCopyRecordName[] = ".sumimai-copied";

// A 64-bit FNV-1a fingerprint of a file's content.
std::uint64_t contentFingerprint(std::string_view content);

class CopyRecord {
 public:
  // Reads the record of folder; an absent or unreadable record is empty.
  static CopyRecord readFrom(const std::filesystem::path& folder);

  std::optional<std::uint64_t> find(const std::filesystem::path& relative) const;
  void set(const std::filesystem::path& relative, std::uint64_t fingerprint);
  // The record as it is written to the file.
  std::string text() const;

 private:
  std::map<std::string, std::uint64_t> fingerprints_;
};

}  // namespace sumimai
