#include "character_list.h"

#include "file_paths.h"
#include "text_items.h"

namespace sumimai {
namespace fs = std::filesystem;

CharacterListRead readCharacterList(const fs::path& path, SutraTextTable& text) {
  text.fill(std::string());
  OpenedFile file = openDataFile(path);
  if (file.status != OpenedFile::Status::Opened) return {false, file.problem()};
  TextItemReader reader(*file.stream);
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
