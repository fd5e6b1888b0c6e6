#include "character_list.h"

#include "core/user_language.h"
#include "file_paths.h"
#include "text_items.h"

namespace sumimai {
namespace fs = std::filesystem;

CharacterListRead readCharacterList(const fs::path& path, SutraTextTable& text) {
  text.fill(std::string());
  OpenedFile file = openDataFile(path);
  if (file.status != OpenedFile::Status::Opened) return {file.problem()};
  TextItemReader reader(*file.stream);
  for (int slot = 1; slot <= kSutraCharacters; ++slot) {
    std::optional<TextItem> item = reader.next();
    if (!item) {
      return {filledIn(userText("DataFiles", "%1 文字のうち %2 文字しかありません。"),
                       {std::to_string(kSutraCharacters), std::to_string(slot - 1)})};
    }
    text[static_cast<std::size_t>(slot)] = std::move(item->text);
  }
  return {};
}

}  // namespace sumimai
