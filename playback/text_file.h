// A text file to be written: UTF-8 (with or without a byte-order mark), or
// Shift-JIS when its bytes are not UTF-8.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace sumimai {

struct [[nodiscard]] TextFileRead {
  std::string text;      // UTF-8, the byte-order mark and the last line break dropped
  bool shiftJis = false;  // the file was read as Shift-JIS
  std::string problem;   // "" or why the file cannot be read (Japanese, naming the file)
  bool ok() const { return problem.empty(); }
};

// Files larger than this are refused: a text to write is short.
inline constexpr std::uintmax_t kLargestTextFile = 4u << 20;

TextFileRead readTextFile(const std::filesystem::path& file);

// The text of a file's bytes, as readTextFile decodes them.
TextFileRead decodeText(std::string bytes);

}  // namespace sumimai
