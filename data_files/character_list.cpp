#include "character_list.h"

#include <fstream>

#include "file_paths.h"
#include "text_items.h"

namespace sumimai {
namespace fs = std::filesystem;

CharacterListRead readCharacterList(const fs::path& path, SutraTextTable& text) {
  text.fill(std::string());
  fs::path found = findFile(path);
  std::error_code ec;
  if (!fs::exists(found, ec)) return {false, "ファイルがありません。"};
  std::ifstream in(found, std::ios::binary);
  if (!in || fs::is_directory(found, ec)) return {false, "ファイルを開けません。"};
  TextItemReader reader(in);
  for (int slot = 1; slot <= kSutraCharacters; ++slot) {
    std::optional<TextItem> item = reader.next();
    if (!item) {
      return {false, std::to_string(kSutraCharacters) + " 文字のうち " + std::to_string(slot - 1) +
                         " 文字しかありません。"};
    }
    text[static_cast<std::size_t>(slot)] = std::move(item->text);
  }
  return {true, ""};
}

}  // namespace sumimai
