#include "text_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "data_files/text_items.h"
#include "writing/text_characters.h"

namespace sumimai {

TextFileRead decodeText(std::string bytes) {
  TextFileRead read;
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
  if (charactersOf(bytes).ok()) {
    read.text = std::move(bytes);
  } else {
    read.text = shiftJisToUtf8(bytes);
    read.shiftJis = true;
  }
  while (!read.text.empty() && (read.text.back() == '\n' || read.text.back() == '\r')) read.text.pop_back();
  return read;
}

TextFileRead readTextFile(const std::filesystem::path& file) {
  const std::string name = file.string();
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) return {{}, false, name + " はフォルダです。"};
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return {{}, false, name + " を読めません（" + error.message() + "）。"};
  if (size > kLargestTextFile) return {{}, false, name + " は大きすぎます（4 MB まで）。"};
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) return {{}, false, name + " を読めません。"};
  return decodeText(std::move(bytes));
}

}  // namespace sumimai
