// The characters a practice sheet is made of: those of a text that have
// strokes, in reading order. Blanks and punctuation are left out (they are
// not practised); a character no source holds, or whose data is damaged,
// refuses the whole text, naming it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "writing/character_lookup.h"
#include "writing/character_strokes.h"

namespace sumimai {

struct SheetCharacter {
  std::string text;  // UTF-8
  CharacterStrokes strokes;
  int strokeCount = 0;
};

// Why a text is refused, for a window to say in its own words.
enum class SheetRefusal { None, NotText, NoData, NothingToPractise };

struct [[nodiscard]] SheetCharacters {
  std::vector<SheetCharacter> characters;
  std::string problem;  // "" or what refuses the text (also: nothing to practise)
  SheetRefusal refusal = SheetRefusal::None;
  std::string character;  // the character refused (NoData)
  std::vector<std::string> notes;  // the characters taken from another tradition (character_lookup.h)
  bool ok() const { return problem.empty(); }
};

SheetCharacters sheetCharacters(std::string_view text, const CharacterLookup& lookup);

}  // namespace sumimai
