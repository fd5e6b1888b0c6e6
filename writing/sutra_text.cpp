#include "sutra_text.h"

#include "core/user_language.h"
#include "data_files/character_list.h"
#include "data_files/file_paths.h"

namespace sumimai {

std::string notInThePlaces(std::string_view name) {
  return filledIn(userText("Writing", "no %1 in the working folder or the shipped data"), {dataFileDisplayName(name)});
}

SutraCharacters sutraCharacters(const DataPlaces& places, SutraRange range) {
  const std::optional<std::filesystem::path> list = places.findStrokeFolderFile(kCharacterListName);
  if (!list) return {{}, notInThePlaces(kCharacterListName)};
  SutraTextTable text;
  CharacterListRead read = readCharacterList(*list, text);
  if (!read.ok()) return {{}, list->string() + ": " + read.problem};
  SutraCharacters sutra;
  for (int i = std::max(range.first, 1); i <= std::min(range.last, kSutraCharacters); ++i) {
    sutra.characters.push_back({text[static_cast<std::size_t>(i)], 0});
    // The title stands in its own column, the body begins the next.
    if (i == kSutraTitleCharacters && i < range.last) sutra.characters.push_back({"\n", 0});
  }
  return sutra;
}

}  // namespace sumimai
