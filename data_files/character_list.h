// The character list 般若心経\文字2.csv: the sutra's characters in reading
// order, title first.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "core/page_grid.h"
#include "folder_files.h"

namespace sumimai {

// Slots 0..300; slots 1..276 hold the characters, the others stay empty.
using SutraTextTable = std::array<std::string, 301>;

struct [[nodiscard]] CharacterListRead {
  std::string problem;  // in Japanese
  bool ok() const { return problem.empty(); }
};

// Reads the first 276 items of the file into slots 1..276 and nothing after
// them; the other slots are emptied. A file with fewer items fills what it
// has and fails.
CharacterListRead readCharacterList(const std::filesystem::path& path, SutraTextTable& text);

}  // namespace sumimai
