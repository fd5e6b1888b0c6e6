// Characters of the sutra by their numbers, as the main window numbers them
// (1 the title's first character .. 276), through the character list of the
// data places.
#pragma once

#include <string>
#include <vector>

#include "text_characters.h"
#include "working_folder/data_places.h"

namespace sumimai {

struct SutraRange {
  int first = 1, last = 1;  // within 1..kSutraCharacters, first <= last
};

struct [[nodiscard]] SutraCharacters {
  std::vector<TextCharacter> characters;
  std::string problem;  // "" or what is missing or wrong, naming the file
};

// The title's characters: 摩訶般若波羅蜜多心経.
inline constexpr int kSutraTitleCharacters = 10;

// The characters first..last of the first character list the places have,
// with a line feed after the title when the body follows it, so that the
// title stands in a line of its own.
SutraCharacters sutraCharacters(const DataPlaces& places, SutraRange range);

// "no 般若心経\NAME in the working folder or the shipped data".
std::string notInThePlaces(std::string_view name);

}  // namespace sumimai
